// artgen: draws every built-in picture of Quorvel 3-D into resources/pictures/ and
// lists them in resources/quorvel3d.qrc. Everything is deterministic (fixed seeds),
// so running it again gives the same files.
//
// Each picture is drawn twice: NAME.png at its size in the game, and NAME@2x.png, the
// same picture at twice the resolution, which the game uses on a screen with two or
// more device pixels to each of its pixels.
//
//   artgen RESOURCES_DIR               write the pictures and the resource list
//   artgen --samples OUT_DIR           also compose test views of the corridor there

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <map>

#include "artgen.h"

using namespace artgen;

namespace {

constexpr int compressMost = 0; ///< PNG quality 0: the smallest file, the same pixels

/// Writes a PNG; `quality` -1 is the writer's usual compression.
bool writePng(const QString& path, const QImage& image, int quality = -1) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // No gamma or text chunks: the file depends on the pixels alone.
    if (!image.save(&file, "PNG", quality)) return false;
    return file.commit();
}

/// The file stem of a picture at a scale: NAME, or NAME@2x.
QString fileStem(const QString& name, int scale) {
    return scale == 1 ? name : name + QString("@%1x").arg(scale);
}

/// Every picture of the game at one scale.
Pictures drawAll(int scale) {
    Pictures pictures;
    drawStrips(pictures, scale);
    drawExits(pictures, scale);
    drawPreview(pictures);
    drawBoxes(pictures, scale);
    drawWallMap(pictures, scale);
    drawCompass(pictures, scale);
    drawPanel(pictures, scale);
    drawIndicators(pictures, scale);
    drawSideArrows(pictures, scale);
    drawEndScreen(pictures, scale);
    drawDialog(pictures, scale);
    drawTitle(pictures, scale);
    drawIcons(pictures, scale);
    return pictures;
}

/// Rewrites the resource list: our pictures (each followed by its @2x file), and every
/// entry of other kinds kept.
bool writeQrc(const QString& dir, const Pictures& pictures) {
    const QString path = dir + "/quorvel3d.qrc";
    QStringList others;
    QFile old(path);
    if (old.open(QIODevice::ReadOnly)) {
        const QRegularExpression entry("<file[^>]*>([^<]+)</file>");
        for (const QString& line : QString::fromUtf8(old.readAll()).split('\n')) {
            const auto m = entry.match(line);
            if (m.hasMatch() && !m.captured(1).startsWith("pictures/")) others << line.trimmed();
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    QStringList names;
    for (const Picture& p : pictures)
        names << p.name;
    names.sort();
    for (const QString& n : names)
        for (int scale : {1, 2})
            out << "    <file>pictures/" << fileStem(n, scale) << ".png</file>\n";
    for (const QString& o : others)
        out << "    " << o << "\n";
    out << "</qresource>\n</RCC>\n";
    out.flush();
    return file.commit();
}

/// Composes a view from strip names the way the game paints it, for looking at joins.
QImage compose(const std::map<QString, QImage>& set, const QStringList& strips) {
    static const int xs[6] = {0, 60, 100, 120, 140, 180};
    QImage view(240, 240, QImage::Format_RGB888);
    view.fill(Qt::magenta);
    QPainter p(&view);
    for (int i = 0; i < 6 && i < strips.size(); ++i)
        if (!strips[i].isEmpty()) p.drawImage(xs[i], 0, set.at(strips[i]));
    return view;
}

void writeSamples(const QString& dir, const Pictures& pictures) {
    std::map<QString, QImage> set;
    for (const Picture& p : pictures)
        set[p.name] = p.image;
    const std::vector<std::pair<QString, QStringList>> views = {
        {"k0", {"middle3", "middle2", "middle1", "middle8", "middle9", "middle4"}},
        {"k1", {"wall1", "middle6", "middle5", "middle10", "middle11", "wall2"}},
        {"k1doors", {"door1", "middle6", "middle5", "middle10", "middle11", "door2"}},
        {"k2", {"wall3", "wall4", "middle7", "middle12", "wall6", "wall5"}},
        {"k2doors", {"door3", "door4", "middle7", "middle12", "door6", "door5"}},
        {"k3", {"wall3", "wall8", "wall7", "wall9", "wall10", "wall5"}},
        {"k3doors", {"door3", "door8", "door7", "door9", "door10", "door5"}},
        {"k3mixed", {"wall3", "door8", "wall7", "door9", "wall10", "door5"}},
        {"k4", {"wall3", "wall8", "wall11", "wall12", "wall10", "wall5"}},
        {"k4doors", {"door3", "door8", "door11", "door12", "door10", "door5"}},
    };
    std::vector<QImage> all;
    for (const auto& [name, strips] : views) {
        all.push_back(compose(set, strips));
        writePng(dir + "/" + name + ".png", all.back());
    }
    QImage e2 = compose(set, {"wall3", "", "", "", "", "door5"});
    QPainter(&e2).drawImage(60, 0, set.at("exitb"));
    writePng(dir + "/exit2.png", e2);
    QImage e3 = compose(set, {"door3", "wall8", "", "", "door10", "wall5"});
    QPainter(&e3).drawImage(100, 0, set.at("exitc"));
    writePng(dir + "/exit3.png", e3);
    QImage boxes = compose(set, views[4].second);
    {
        QPainter p(&boxes);
        p.drawImage(90, 173, set.at("closebox1"));
        p.drawImage(101, 134, set.at("openbox2"));
    }
    writePng(dir + "/boxes.png", boxes);
    all.push_back(e2);
    all.push_back(e3);
    all.push_back(boxes);
    all.push_back(set.at("exita"));
    all.push_back(set.at("ending"));
    QImage sheet(5 * 244, 3 * 244, QImage::Format_RGB888);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (std::size_t i = 0; i < all.size(); ++i)
        p.drawImage(int(i % 5) * 244, int(i / 5) * 244, all[i]);
    p.end();
    writePng(dir + "/sheet.png", sheet);

    // Everything else, at twice its size, on grey.
    QImage others(1200, 900, QImage::Format_RGB888);
    others.fill(QColor(120, 120, 120));
    QPainter q(&others);
    int x = 4, y = 4, rowh = 0;
    const QRegularExpression strip("^(door|wall|middle)\\d+$|^exit|^ending$|^icon(128|256)$");
    for (const Picture& pic : pictures) {
        if (strip.match(pic.name).hasMatch()) continue;
        const int k = pic.image.width() <= 110 ? 2 : 1;
        const int w = pic.image.width() * k, h = pic.image.height() * k;
        if (x + w > others.width()) x = 4, y += rowh + 4, rowh = 0;
        q.drawImage(QRect(x, y, w, h), pic.image);
        x += w + 4;
        rowh = std::max(rowh, h);
    }
    q.end();
    writePng(dir + "/others.png", others);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString resources, samples;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--samples" && i + 1 < args.size())
            samples = args[++i];
        else
            resources = args[i];
    }
    if (resources.isEmpty()) {
        std::fprintf(stderr, "usage: artgen RESOURCES_DIR [--samples OUT_DIR]\n");
        return 2;
    }

    const Pictures pictures = drawAll(1);
    const Pictures doubled = drawAll(2);

    QDir().mkpath(resources + "/pictures");
    for (int scale : {1, 2}) {
        // The 1x files keep the writer's usual compression, so they stay byte for byte
        // what they have always been.
        const int quality = scale == 1 ? -1 : compressMost;
        for (const Picture& p : scale == 1 ? pictures : doubled) {
            const QString stem = fileStem(p.name, scale);
            if (!writePng(resources + "/pictures/" + stem + ".png", p.image, quality)) {
                std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(stem));
                return 1;
            }
        }
    }
    if (!writeQrc(resources, pictures)) {
        std::fprintf(stderr, "artgen: cannot write the resource list\n");
        return 1;
    }
    if (!samples.isEmpty()) {
        QDir().mkpath(samples);
        writeSamples(samples, pictures);
    }
    std::printf("artgen: %d pictures, each at 1x and 2x\n", int(pictures.size()));
    return 0;
}
