#include "widgets/images.h"

#include "platform/code_page.h"
#include "platform/paths.h"
#include "widgets/internal_images.h"
#include "widgets/layer_tables.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <map>

namespace codarium::widgets {
namespace {

std::map<int, QImage>& images() {
    return detail::layerTables().images;
}

// An icon file holds several pictures; the largest looks best when Qt scales
// it down for menus and toolbars.
QImage largestImageIn(QImageReader& reader) {
    QImage best;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i)) {
            break;
        }
        QImage candidate = reader.read();
        if (candidate.isNull()) {
            continue;
        }
        if (best.isNull() ||
            candidate.width() * candidate.height() > best.width() * best.height()) {
            best = candidate;
        }
    }
    return best;
}

// The format the file's name gives is tried first, and alone: letting Qt
// detect it asks every installed image plug-in whether it reads the file,
// which loads them all (TIFF, WebP, MNG, ...) with their libraries at every
// start. A file whose name does not tell its format, or tells it wrongly,
// still gets that detection. The file is read once, for both tries.
QImage largestImageInFile(const QString& file) {
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArray bytes = source.readAll();
    source.close();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray named = QFileInfo(file).suffix().toLower().toLatin1();
    if (!named.isEmpty()) {
        QImageReader reader(&buffer, named);
        reader.setAutoDetectImageFormat(false);
        if (QImage image = largestImageIn(reader); !image.isNull()) {
            return image;
        }
        buffer.seek(0);
    }
    QImageReader reader(&buffer);
    return largestImageIn(reader);
}

} // namespace

namespace detail {

QImage imageOf(int image) {
    const auto it = images().find(image);
    return it == images().end() ? QImage() : it->second;
}

QIcon iconOf(int image) {
    const QImage img = imageOf(image);
    return img.isNull() ? QIcon() : QIcon(QPixmap::fromImage(img));
}

} // namespace detail

bool loadImage(int image, std::string_view path) {
    QImage img = largestImageInFile(platform::pathToQString(path));
    if (!img.isNull()) {
        img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    images()[image] = img;
    return !img.isNull();
}

bool createImage(int image, int width, int height) {
    if (width <= 0 || height <= 0) {
        return false;
    }
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    images()[image] = img;
    return true;
}

bool copyImage(int source, int destination) {
    const QImage src = detail::imageOf(source);
    // copy() detaches, so drawing on the copy leaves the source untouched.
    images()[destination] = src.copy();
    return !src.isNull();
}

void freeImage(int image) {
    images().erase(image);
}

bool isImage(int image) {
    return !detail::imageOf(image).isNull();
}

int imageWidth(int image) {
    return detail::imageOf(image).width();
}
int imageHeight(int image) {
    return detail::imageOf(image).height();
}

void drawTextOnImage(int image, int x, int y, std::string_view text, const TextDrawing& drawing) {
    const auto it = images().find(image);
    if (it == images().end() || it->second.isNull() || QGuiApplication::instance() == nullptr) {
        return;
    }
    const QFont font = detail::fontOf(drawing.font);
    const QString s = platform::toQString(text);
    QPainter painter(&it->second);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QRect box(x, y, metrics.horizontalAdvance(s), metrics.height());
    if (!drawing.transparentBackground) {
        painter.fillRect(box, QColor::fromRgb(drawing.backColour));
    }
    painter.setPen(QColor::fromRgb(drawing.frontColour));
    painter.drawText(QPoint(x, y + metrics.ascent()), s);
}

int textWidth(std::string_view text, int font) {
    if (QGuiApplication::instance() == nullptr) {
        return 0;
    }
    return QFontMetrics(detail::fontOf(font)).horizontalAdvance(platform::toQString(text));
}

} // namespace codarium::widgets
