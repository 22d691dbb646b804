#include "ui/about_window.h"

#include "ui/qt_text.h"
#include "ui/widget_values.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace quorvex {

bool DesktopOpener::Open(std::string_view address) {
    return QDesktopServices::openUrl(QUrl(ToQString(address)));
}

AboutWindow::AboutWindow(TAboutForm& model, QWidget* owner)
    : ModelWindow(model, model.Changed(), owner, Modality::Modal) {
    setObjectName("AboutForm");
    setWindowTitle(ToQString(TAboutForm::Caption));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(ToQString(TAboutForm::ProgramText), this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    name->setFont(bold);
    layout->addWidget(name);
    layout->addWidget(new QLabel(ToQString(TAboutForm::VersionText), this));

    QPushButton* web = AddressButton("WebPageButton", TAboutForm::WebPage);
    connect(web, &QPushButton::clicked, this, [this] { model_.WebPageClick(); });
    layout->addWidget(web, 0, Qt::AlignLeft);
    QPushButton* mail = AddressButton("MailButton", TAboutForm::SupportMail);
    connect(mail, &QPushButton::clicked, this, [this] { model_.MailClick(); });
    layout->addWidget(mail, 0, Qt::AlignLeft);

    status_ = new QLabel(this);
    status_->setObjectName("AboutStatus");
    layout->addWidget(status_);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { model_.Close(); });
    layout->addWidget(ok, 0, Qt::AlignRight);
    Refresh();
}

void AboutWindow::Refresh() {
    ShowText(status_, ToQString(model_.StatusText));
    ShowVisible(status_, !model_.StatusText.empty());
    ApplyVisible(model_.Visible);
}

QPushButton* AboutWindow::AddressButton(const char* name, std::string_view address) {
    // Drawn as a link under the program's name, pressed like a key (Tab reaches it).
    auto* button = new QPushButton(ToQString(address), this);
    button->setObjectName(name);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    QPalette link = button->palette();
    link.setColor(QPalette::ButtonText, link.color(QPalette::Link));
    button->setPalette(link);
    return button;
}

} // namespace quorvex
