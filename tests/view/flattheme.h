#pragma once
// A theme folder of flat-coloured pictures for the view tests: a pixel of a composed
// frame tells which picture was painted there.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <array>
#include <string>

#include "view/viewscan.h"

namespace quorvel::viewtest {

/// A flat picture of one colour.
inline QImage flat(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

/// A distinct colour for each strip picture, so a pixel tells which one was painted.
inline QColor stripColour(int index) {
    return QColor(10 + index * 6, 40, 200 - index * 4);
}

inline const QColor key(255, 0, 255);

/// A theme folder whose pictures are flat colours, written as BMP files.
class FlatTheme {
  public:
    FlatTheme() {
        for (int i = 0; i < stripPictureCount; ++i) {
            const StripPicture s = StripPicture::fromIndex(i);
            write(std::string(stripName(s)), flat(stripWidth(s), 240, stripColour(i)));
        }
        const char* exits[4] = {"exita", "exitb", "exitc", "ending"};
        const int widths[4] = {240, 120, 40, 240};
        for (int i = 0; i < 4; ++i)
            write(exits[i], flat(widths[i], 240, QColor(0, 250 - i * 20, 0)));
        const int sizes[3] = {60, 40, 20};
        for (int d = 0; d < 3; ++d) {
            write("openbox" + std::to_string(d + 1),
                  keyedSquare(sizes[d], QColor(200, 200, d * 40)));
            write("closebox" + std::to_string(d + 1),
                  keyedSquare(sizes[d], QColor(100, 100, d * 40)));
        }
        write("map", keyedSquare(160, QColor(90, 60, 30), 100));
    }
    QString path() const { return m_dir.path(); }
    void write(const std::string& stem, const QImage& image) {
        ASSERT_TRUE(image.save(m_dir.filePath(QString::fromStdString(stem) + ".bmp"), "BMP"));
    }
    void remove(const std::string& stem) {
        QFile::remove(m_dir.filePath(QString::fromStdString(stem) + ".bmp"));
    }
    /// A square (or w x h) of one colour with a key-coloured frame one pixel wide;
    /// the bottom-left pixel is the key.
    static QImage keyedSquare(int w, QColor colour, int h = 0) {
        QImage image = flat(w, h ? h : w, key);
        for (int y = 1; y < image.height() - 1; ++y)
            for (int x = 1; x < image.width() - 1; ++x)
                image.setPixelColor(x, y, colour);
        return image;
    }

  private:
    QTemporaryDir m_dir;
};

/// The six middle pictures of a wall straight ahead: middle3, 2, 1, 8, 9, 4.
constexpr std::array<int, 6> wallAhead = {26, 25, 24, 31, 32, 27};

inline ViewPlan plan(std::array<int, 6> strips, ViewCase viewCase = ViewCase::normal) {
    ViewPlan p;
    for (int i = 0; i < 6; ++i)
        p.strips[i] = StripPicture::fromIndex(strips[i]);
    p.viewCase = viewCase;
    return p;
}

} // namespace quorvel::viewtest
