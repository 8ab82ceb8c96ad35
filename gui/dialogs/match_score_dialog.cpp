#include "dialogs/match_score_dialog.h"

#include <QCursor>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "bridge/fonts.h"
#include "bridge/qt_text.h"
#include "common/dialog_units.h"
#include "common/notice.h"
#include "text/text_limits.h"
#include "widgets/text_field.h"

namespace kaz::gui {

namespace {

// The widest a side's name grows, in pixels; a longer one is cut with "…".
constexpr int kMostNameWidth = 240;

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

}  // namespace

MatchScoreDialog::MatchScoreDialog(const QString& match, const std::array<QString, 2>& names,
                                   const std::array<QString, 2>& scores, QWidget* parent)
    : QDialog(parent), m_initial(scores) {
    setWindowTitle(tr("点数入力"));
    setFont(render::japaneseUiFont());
    const DialogUnits dlu(font());
    const QFontMetrics metrics(font());

    auto* row = new QHBoxLayout;
    row->addWidget(plainLabel(tr("%1:").arg(match), this));
    for (int side = 0; side < 2; ++side) {
        if (side == 1) row->addWidget(plainLabel(QStringLiteral("−"), this));
        const QString name = names[size_t(side)].isEmpty() ? tr("（未定）") : names[size_t(side)];
        QLabel* nameLabel =
            plainLabel(metrics.elidedText(name, Qt::ElideRight, kMostNameWidth), this);
        auto* field = new TextField(kaz::kMaxScoreCharacters, this);
        field->setObjectName(side == 0 ? "upperScore" : "lowerScore");
        field->setFieldName(tr("点数"));
        field->setFixedWidth(dlu.x(37));
        field->showText(scores[size_t(side)]);
        field->setEnabled(!names[size_t(side)].isEmpty() || !scores[size_t(side)].isEmpty());
        connect(field, &QLineEdit::returnPressed, this, &QDialog::accept);
        m_fields[size_t(side)] = field;
        if (side == 0) {
            row->addWidget(nameLabel);
            row->addWidget(field);
        } else {
            row->addWidget(field);
            row->addWidget(nameLabel);
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(dlu.x(7), dlu.y(7), dlu.x(7), dlu.y(7));
    layout->addLayout(row);
    layout->addWidget(makeRefusalLine(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The frame's corner goes to the pointer, as the other small input dialogs'.
    move(QCursor::pos());
}

void MatchScoreDialog::focusSide(int side) {
    TextField* field = m_fields[size_t(side)];
    if (!field->isEnabled()) field = m_fields[size_t(1 - side)];
    field->setFocus();
    field->selectAll();
}

bool MatchScoreDialog::isChanged() const {
    return m_fields[0]->text() != m_initial[0] || m_fields[1]->text() != m_initial[1];
}

std::string MatchScoreDialog::score(int side) const {
    return render::toDocumentText(m_fields[size_t(side)]->text());
}

}  // namespace kaz::gui
