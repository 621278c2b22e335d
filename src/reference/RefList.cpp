// Pieces the reference lists share.
#include "RefList.h"

#include "platform/data/Dataset.h"
#include "platform/data/Filter.h"
#include "platform/ui/Form.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Widgets.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace reflist {

bool isReserved(long long id) { return id == 7777 || id == 7778; }

int currentInt(Dataset* ds, const QString& field)
{
    if (!ds->active() || ds->isEmpty()) return 0;
    return ds->fieldByName(field).asInteger();
}

QString currentText(Dataset* ds, const QString& field)
{
    if (!ds->active() || ds->isEmpty()) return QString();
    return ds->fieldByName(field).asString().trimmed();
}

QString productKindText(int naimen)
{
    return naimen == 0 ? QStringLiteral("Готовая продукция") : QStringLiteral("Заготовки");
}

void returnToRow(Dataset* ds, int recNo)
{
    if (!ds->active() || ds->isEmpty() || recNo < 1) return;
    ds->setRecNo(recNo); // clamped to the last row
}

namespace {

bool isTyping(const QKeyEvent* e)
{
    if (e->key() == Qt::Key_Backspace) return true;
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString t = e->text();
    return !t.isEmpty() && t[0].isPrint();
}

bool reachesWindow(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

} // namespace

void applySearch(QLineEdit* box, Dataset* ds, const QString& field, SearchMatch match)
{
    const QString text = box->text();
    const bool showAll = match == SearchMatch::Contains ? text.trimmed().isEmpty() : text.isEmpty();
    if (showAll) {
        ds->setFiltered(false);
        return;
    }
    ds->setFilter(match == SearchMatch::Contains ? filtertext::contains(field, text) : filtertext::beginsWith(field, text));
    ds->setFiltered(true);
}

void bindSearchBox(QLineEdit* box, Dataset* ds, const QString& field, SearchKeys keys, SearchMatch match)
{
    ui::on(box, &QLineEdit::textChanged, box, [box, ds, field, match] { applySearch(box, ds, field, match); });
    ui::onKeyDown(box, [ds, keys](QKeyEvent* e) {
        if (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) {
            if (ds->active()) {
                if (e->key() == Qt::Key_Up)
                    ds->prior();
                else
                    ds->next();
            }
            return true;
        }
        if (keys == SearchKeys::ArrowsOnly) return false;
        return !(isTyping(e) || reachesWindow(e));
    });
}

void prepareListMode(Form* list, const ListButtons& b, bool addIsDefault)
{
    list->Tag = 0;
    b.change->setDefault(false);
    b.change->setText(QStringLiteral("Изменить"));
    b.add->setVisible(true);
    b.remove->setVisible(true);
    if (addIsDefault) b.add->setDefault(true);
}

void preparePickerMode(Form* list, int tag, const ListButtons& b, QLineEdit* search)
{
    list->Tag = tag;
    b.change->setText(QStringLiteral("Выбрать"));
    b.change->setVisible(true);
    b.change->setDefault(true);
    b.add->setVisible(false);
    b.remove->setVisible(false);
    search->setVisible(true);
    search->clear();
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QLineEdit* makeEdit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

DataGrid* makeGrid(QWidget* parent, const char* name, Dataset* ds, const QList<GridColumn>& columns)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setColumns(columns);
    g->setDataset(ds);
    int width = 0;
    for (const GridColumn& c : columns) {
        if (c.visible) width += c.width;
    }
    g->setMinimumWidth(width + 2 * g->frameWidth() + g->verticalScrollBar()->sizeHint().width());
    return g;
}

GridColumn column(const QString& field, const QString& title, int width, Qt::Alignment alignment)
{
    GridColumn c;
    c.field = field;
    c.title = title;
    c.width = width;
    c.alignment = alignment;
    return c;
}

} // namespace reflist
