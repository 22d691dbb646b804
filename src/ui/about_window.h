#pragma once

#include "app/about_form.h"
#include "ui/model_window.h"

class QLabel;
class QPushButton;

namespace quorvex {

/// Opens addresses with the desktop's own web browser and mail program.
class DesktopOpener : public AddressOpener {
public:
    bool Open(std::string_view address) override;
};

/// The About window: the program, its version, the maker's web page and support mail.
class AboutWindow : public ModelWindow<TAboutForm> {
    Q_OBJECT

public:
    AboutWindow(TAboutForm& model, QWidget* owner);

    void Refresh() override;

private:
    QPushButton* AddressButton(const char* name, std::string_view address);

    QLabel* status_ = nullptr;
};

} // namespace quorvex
