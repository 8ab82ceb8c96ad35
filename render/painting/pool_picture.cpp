#include "painting/pool_picture.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "color/color_set.h"
#include "painting/bracket_renderer.h"
#include "painting/scene_painter.h"
#include "scene/pool_scene.h"
#include "text/app_names.h"

namespace kaz::render {
namespace {

constexpr qreal kPdfMarginMillimetres = 10;
constexpr int kPdfResolution = 1200;
constexpr qint64 kMaxPicturePixels = qint64(128) << 20;
constexpr int kBlockGap = 32;  // between two blocks, in the sheet's pixels
constexpr qreal kSheetDpi = 96;

kaz::Failure cannotMake() { return kaz::Failure{kaz::FileError::SaveFailed, std::string()}; }

const kaz::SceneStyle& style() {
    static const kaz::SceneStyle pictures = kaz::pictureSceneStyle();
    return pictures;
}

const QtTextMetrics& metrics() {
    static const QtTextMetrics measured(style());
    return measured;
}

}  // namespace

kaz::Scene poolStageScene(const kaz::PoolStage& stage) {
    return kaz::buildPoolStageScene(stage, metrics(), style());
}

kaz::Result<QByteArray> poolStagePng(const kaz::PoolStage& stage, qreal scale) {
    const kaz::Scene scene = poolStageScene(stage);
    const QSize size(std::max(1, int(std::lround(scene.extent.width * scale))),
                     std::max(1, int(std::lround(scene.extent.height * scale))));
    if (!(scale > 0) || qint64(size.width()) * size.height() > kMaxPicturePixels) {
        return cannotMake();
    }
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return cannotMake();
    const kaz::ColorSet colors;
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        paintScene(painter, scene, colors);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return cannotMake();
    return bytes;
}

kaz::Status paintPoolPages(QPagedPaintDevice& device, const kaz::PoolStage& stage,
                           const kaz::Bracket* knockout) {
    std::vector<kaz::Scene> blocks;
    int blockWidth = 1;
    for (int pool = 0; pool < int(stage.pools.size()); ++pool) {
        blocks.push_back(kaz::buildPoolScene(stage, pool, metrics(), style()));
        blockWidth = std::max(blockWidth, blocks.back().extent.width);
    }
    // The title and second line alone: the stage's scene without its pools.
    kaz::PoolStage heading = stage;
    heading.pools.clear();
    const kaz::Scene title = kaz::buildPoolStageScene(heading, metrics(), style());

    const qreal natural = device.logicalDpiX() / kSheetDpi;
    const qreal pageWidth = device.width();
    const qreal pageHeight = device.height();
    const int across = (2 * blockWidth + kBlockGap) * natural <= pageWidth ? 2 : 1;
    const int rowWidth = across * blockWidth + (across - 1) * kBlockGap;
    const qreal scale = std::min(natural, pageWidth / std::max(rowWidth, title.extent.width));

    const kaz::ColorSet colors;
    const kaz::Failure refused{kaz::FileError::PrintFailed, std::string()};
    QPainter painter;
    if (!painter.begin(&device)) return refused;
    if (knockout) {
        renderBracketFitted(painter, *knockout, QRectF(0, 0, pageWidth, pageHeight));
        if (!device.newPage()) return refused;
    }
    const auto paintAt = [&](const kaz::Scene& scene, qreal x, qreal y) {
        painter.save();
        painter.translate(x, y);
        painter.scale(scale, scale);
        paintScene(painter, scene, colors);
        painter.restore();
    };
    paintAt(title, 0, 0);
    qreal y = title.extent.height * scale;
    for (size_t at = 0; at < blocks.size(); at += size_t(across)) {
        int height = 0;
        for (size_t in = at; in < std::min(blocks.size(), at + size_t(across)); ++in) {
            height = std::max(height, blocks[in].extent.height);
        }
        if (y > 0 && y + height * scale > pageHeight) {
            if (!device.newPage()) return refused;
            y = 0;
        }
        for (size_t in = at; in < std::min(blocks.size(), at + size_t(across)); ++in) {
            paintAt(blocks[in], qreal(in - at) * (blockWidth + kBlockGap) * scale, y);
        }
        y += (height + kBlockGap) * scale;
    }
    if (!painter.end()) return refused;
    return kaz::Done{};
}

kaz::Result<QByteArray> poolStagePdf(const kaz::PoolStage& stage, const QString& fileTitle,
                                     const kaz::Bracket* knockout) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return cannotMake();
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    const QString title = QString::fromStdString(stage.title).simplified();
    writer.setTitle(title.isEmpty() ? fileTitle : title);
    writer.setCreator(QString::fromUtf8(kaz::kProductName));
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                       kPdfMarginMillimetres, kPdfMarginMillimetres),
                             QPageLayout::Millimeter);
    if (!writer.setPageLayout(layout) || !paintPoolPages(writer, stage, knockout))
        return cannotMake();
    buffer.close();
    return bytes;
}

}  // namespace kaz::render
