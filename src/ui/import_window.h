#pragma once

#include "app/import_form.h"
#include "config/dimensions.h"
#include "ui/activated_window.h"

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace quorvex {

/// The "Import Speaker Data" window: a measurement file per output with "..." and "Clear",
/// the export format, the reference level, OK and Cancel.
class ImportWindow : public ActivatedWindow<TImportForm> {
    Q_OBJECT

public:
    ImportWindow(TImportForm& model, QWidget* owner);

    void Refresh() override;

protected:
    void CloseRequested() override;

private:
    QWidget* BuildFiles();
    QWidget* BuildFormats();
    QWidget* BuildReferenceLevel();

    std::array<QLabel*, OutputCount> names_{};
    std::array<QLineEdit*, OutputCount> files_{};
    std::vector<std::pair<QRadioButton*, int>> formats_;
    QLineEdit* referenceLevel_ = nullptr;
};

} // namespace quorvex
