#include "app/about_form.h"

namespace quorvex {

void TAboutForm::Show() {
    HandlerScope scope(changed_);
    StatusText.clear();
    Visible = true;
}

void TAboutForm::Close() {
    HandlerScope scope(changed_);
    Visible = false;
}

void TAboutForm::WebPageClick() {
    HandlerScope scope(changed_);
    OpenAddress(std::string(WebPage), WebPage);
}

void TAboutForm::MailClick() {
    HandlerScope scope(changed_);
    OpenAddress("mailto:" + std::string(SupportMail), SupportMail);
}

void TAboutForm::OpenAddress(const std::string& address, std::string_view shown) {
    StatusText =
        opener_.Open(address) ? std::string() : std::string(NoOpenerText) + std::string(shown);
}

} // namespace quorvex
