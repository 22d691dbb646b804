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

    auto* web = new QPushButton(ToQString(TAboutForm::WebPage), this);
    web->setObjectName("WebPageButton");
    web->setFlat(true);
    connect(web, &QPushButton::clicked, this, [this] { model_.WebPageClick(); });
    layout->addWidget(web);
    auto* mail = new QPushButton(ToQString(TAboutForm::SupportMail), this);
    mail->setObjectName("MailButton");
    mail->setFlat(true);
    connect(mail, &QPushButton::clicked, this, [this] { model_.MailClick(); });
    layout->addWidget(mail);

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

} // namespace quorvex
