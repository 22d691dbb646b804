#include "app/about_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex {
namespace {

struct RecordingOpener : AddressOpener {
    std::vector<std::string> Opened;
    bool Works = true;
    bool Open(std::string_view address) override {
        Opened.emplace_back(address);
        return Works;
    }
};

TEST(AboutForm, HandsTheWebPageAndAMailToTheSupportToTheDesktop) {
    RecordingOpener opener;
    TAboutForm about(opener);
    about.WebPageClick();
    about.MailClick();
    ASSERT_EQ(opener.Opened.size(), 2u);
    EXPECT_EQ(opener.Opened[0], TAboutForm::WebPage);
    EXPECT_EQ(opener.Opened[1], "mailto:" + std::string(TAboutForm::SupportMail));
    EXPECT_TRUE(about.StatusText.empty());
}

TEST(AboutForm, SaysWhichAddressTheDesktopCouldNotOpenUntilShownAgain) {
    RecordingOpener opener;
    opener.Works = false;
    TAboutForm about(opener);
    about.MailClick();
    EXPECT_EQ(about.StatusText,
              std::string(TAboutForm::NoOpenerText) + std::string(TAboutForm::SupportMail));
    about.Show();
    EXPECT_TRUE(about.StatusText.empty());
}

TEST(AboutForm, AnnouncesShowingAndClosing) {
    RecordingOpener opener;
    TAboutForm about(opener);
    int announcements = 0;
    about.Changed().Listen([&] { ++announcements; });
    about.Show();
    EXPECT_TRUE(about.Visible);
    about.Close();
    EXPECT_FALSE(about.Visible);
    EXPECT_EQ(announcements, 2);
}

} // namespace
} // namespace quorvex
