// A framed group of radio buttons of which one item is chosen, addressed by its item index.
#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)), layout_(new QVBoxLayout(this))
{
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, [this](int) { emit clicked(); });
}

void RadioGroup::setItems(const QStringList& items)
{
    for (QAbstractButton* b : group_->buttons()) {
        group_->removeButton(b);
        delete b;
    }
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(QStringLiteral("item%1").arg(i));
        group_->addButton(b, i);
        layout_->addWidget(b);
    }
}

QStringList RadioGroup::items() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i) out << button(i)->text();
    return out;
}

int RadioGroup::count() const { return int(group_->buttons().size()); }

int RadioGroup::itemIndex() const { return group_->checkedId(); }

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < count()) {
        button(index)->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; let go of it for a moment to clear the choice.
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons()) b->setChecked(false);
    group_->setExclusive(true);
}

QRadioButton* RadioGroup::button(int index) const { return qobject_cast<QRadioButton*>(group_->button(index)); }
