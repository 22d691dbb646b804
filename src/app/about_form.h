#pragma once

#include "app/change_signal.h"

#include <string>
#include <string_view>

namespace quorvex {

/// Hands an address (a web page, a "mailto:" mail) to the desktop's own opener.
class AddressOpener {
public:
    virtual ~AddressOpener() = default;
    /// False when the desktop has nothing to open it with.
    virtual bool Open(std::string_view address) = 0;
};

/// The About window: the program's name and version, the maker's web page and support mail,
/// each opened by the desktop when clicked.
class TAboutForm {
public:
    static constexpr std::string_view Caption = "About Quorvex";
    static constexpr std::string_view ProgramText = "Quorvex Loudspeaker Management System";
    static constexpr std::string_view VersionText = "Version 2.1.0.1";
    static constexpr std::string_view WebPage = "https://www.quorvex.example";
    static constexpr std::string_view SupportMail = "support@quorvex.example";
    /// Shown when the desktop could not open an address.
    static constexpr std::string_view NoOpenerText = "The desktop could not open ";

    explicit TAboutForm(AddressOpener& opener) : opener_(opener) {}

    ChangeSignal& Changed() { return changed_; }

    bool Visible = false;
    std::string StatusText; ///< empty, or why the last address did not open

    /// Shown modally from the main window's "About us".
    void Show();
    void Close();
    /// A click on the web page.
    void WebPageClick();
    /// A click on the support mail: a new mail to it.
    void MailClick();

private:
    void OpenAddress(const std::string& address, std::string_view shown);

    AddressOpener& opener_;
    ChangeSignal changed_;
};

} // namespace quorvex
