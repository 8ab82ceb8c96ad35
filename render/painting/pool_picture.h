#pragma once

#include <QByteArray>
#include <QString>

#include "bracket/bracket.h"
#include "io/result.h"
#include "pools/pool_stage.h"
#include "scene/scene.h"

class QPagedPaintDevice;

namespace kaz::render {

// The pool stage as a file's bytes (PNG or PDF) and as printed pages: every pool's block of
// the one scene, its table, standings and order of play. Nothing here writes a file.

// The whole stage's scene, measured with the pictures' fonts: what the window shows and clicks.
kaz::Scene poolStageScene(const kaz::PoolStage& stage);

// The whole stage as one picture, `scale` times its size; it fails as FileError::SaveFailed
// where it cannot be made (beyond the largest picture made, as a bracket's).
kaz::Result<QByteArray> poolStagePng(const kaz::PoolStage& stage, qreal scale);

// The stage on the pages of `device` (a printer, a PDF writer): its title and second line on
// the first, then the pools a row at a time, two a row where they fit the page's width, at
// their natural size or smaller where the page is narrower, a new page where a row would not
// fit below the last. With `knockout` (the knockout made from the stage) the pages are the
// event's hand-out: the knockout first, on a page of its own as large as it fits, then the
// pools. It fails as FileError::PrintFailed when the device refused.
kaz::Status paintPoolPages(QPagedPaintDevice& device, const kaz::PoolStage& stage,
                           const kaz::Bracket* knockout = nullptr);

// A PDF of A4 pages with margins of 10 mm, its text as text, titled by the stage's title or
// else `fileTitle`; the hand-out with `knockout`. It fails as FileError::SaveFailed when it
// cannot be made.
kaz::Result<QByteArray> poolStagePdf(const kaz::PoolStage& stage, const QString& fileTitle,
                                     const kaz::Bracket* knockout = nullptr);

}  // namespace kaz::render
