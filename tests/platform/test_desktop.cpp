// What the desktop is asked to open: a web address as it stands, a file by its full path.

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include "platform/desktop.h"

namespace quorvel {
namespace {

// Takes the desktop's part for the schemes it is given, and keeps what it was asked.
class Handler : public QObject {
    Q_OBJECT
  public:
    QUrl asked;
  public slots:
    void open(const QUrl& url) { asked = url; }
};

TEST(OpenWithShell, AddressesGoAsTheyStandAndFilesByTheirFullPath) {
    Handler handler;
    for (const char* scheme : {"https", "file"})
        QDesktopServices::setUrlHandler(scheme, &handler, "open");

    EXPECT_TRUE(openWithShell("https://example.org/maze?x=1", "/games"));
    EXPECT_EQ(handler.asked, QUrl("https://example.org/maze?x=1"));
    EXPECT_TRUE(openWithShell("Help/story.rtf", "/games/quorvel"));
    EXPECT_EQ(handler.asked, QUrl::fromLocalFile("/games/quorvel/Help/story.rtf"));
    EXPECT_TRUE(openWithShell("/usr/share/doc/readme", "/games"));
    EXPECT_EQ(handler.asked, QUrl::fromLocalFile("/usr/share/doc/readme"));
    EXPECT_FALSE(openWithShell("", "/games"));

    for (const char* scheme : {"https", "file"})
        QDesktopServices::unsetUrlHandler(scheme);
}

} // namespace
} // namespace quorvel

#include "test_desktop.moc"
