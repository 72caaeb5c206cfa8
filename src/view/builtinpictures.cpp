#include "view/builtinpictures.h"

#include <future>
#include <map>
#include <mutex>

#include "platform/threadpriority.h"
#include "resources/resources.h"

namespace quorvel {

namespace {

struct PictureStore {
    std::mutex lock;
    std::map<QString, QImage> pictures;
    std::shared_future<void> preload; ///< the worker's decoding, when one was started
};

PictureStore& store() {
    static PictureStore s;
    return s;
}

QImage decode(const QString& stem) {
    const QImage image(QStringLiteral(":/pictures/") + stem + QStringLiteral(".png"));
    return image.format() == QImage::Format_RGB888 ? image
                                                   : image.convertToFormat(QImage::Format_RGB888);
}

} // namespace

QImage builtinPicture(const QString& stem) {
    initResources();
    PictureStore& s = store();
    std::shared_future<void> preload;
    {
        const std::lock_guard<std::mutex> held(s.lock);
        if (const auto it = s.pictures.find(stem); it != s.pictures.end()) return it->second;
        preload = s.preload;
    }
    if (preload.valid()) {
        preload.wait(); // it may be decoding this very picture
        const std::lock_guard<std::mutex> held(s.lock);
        if (const auto it = s.pictures.find(stem); it != s.pictures.end()) return it->second;
    }
    QImage image = decode(stem);
    const std::lock_guard<std::mutex> held(s.lock);
    return s.pictures.emplace(stem, std::move(image)).first->second;
}

void preloadPictures(const QStringList& stems) {
    initResources();
    PictureStore& s = store();
    const std::lock_guard<std::mutex> held(s.lock);
    if (s.preload.valid() &&
        s.preload.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    s.preload = std::async(std::launch::async, [stems] {
                    // What the user-interface thread does comes first on a busy machine.
                    lowerThreadPriority();
                    for (const QString& stem : stems) {
                        {
                            const std::lock_guard<std::mutex> held(store().lock);
                            if (store().pictures.count(stem)) continue;
                        }
                        QImage image = decode(stem);
                        const std::lock_guard<std::mutex> held(store().lock);
                        store().pictures.emplace(stem, std::move(image));
                    }
                }).share();
}

} // namespace quorvel
