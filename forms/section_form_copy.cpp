// «Копировать результаты»: the result area's menu and Ctrl+C put the results on show on the
// clipboard, with the inputs they were computed from.
#include "section_form.h"

#include "frame_widgets.h"
#include "number_text.h"
#include "numbers.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Ctrl+C in a box without a selection would copy nothing: left to the form, it copies the
// results. With a selection the box copies it as usual.
class CopyWhenNothingSelected : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* box = qobject_cast<QLineEdit*>(watched);
        // not accepted by the box, the key falls through to the form's shortcut
        return box != nullptr && !box->hasSelectedText() &&
               static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
    }
};

} // namespace

void SectionForm::installCopy(QWidget* resultArea)
{
    auto* copy = named(new QAction(QStringLiteral("Копировать результаты"), this),
                       QStringLiteral("CopyResults"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    addAction(copy);
    resultArea->addAction(copy);
    resultArea->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setMimeData(clipboardData(copiedTable())); });
}

void SectionForm::copyOnCtrlC(QWidget* box)
{
    if (copyFilter == nullptr)
        copyFilter = new CopyWhenNothingSelected(this);
    box->installEventFilter(copyFilter);
}

std::vector<CopiedRow> SectionForm::inputRows() const
{
    // a number as the calculation reads it, with the user's separator; other text as it is
    const auto value = [](const QLineEdit* box) {
        const auto number = velkor::LeadingNumber(box->text().toStdString());
        return number ? formatNumber(*number) : box->text();
    };
    const QString unit = unitText(selectedUnit(), velkor::Length);
    std::vector<CopiedRow> rows;
    for (const LengthBox& length : lengthBoxes)
        if (!length.row.box->isHidden() && !(length.unused && length.unused()))
            rows.push_back({length.row.caption->text(), value(length.row.box), unit});
    rows.push_back({specificWeightCaption->text(), value(specificWeightBox), {}});
    return rows;
}

CopiedTable SectionForm::copiedTable() const
{
    // typing after a calculation or a refused one changes the boxes, not what was computed
    return calculated ? *calculated : CopiedTable{windowTitle(), inputRows()};
}
