// A framed group of radio buttons of which one item is chosen, addressed by its item index.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGroup(const QString& caption, QWidget* parent = nullptr);

    // Replaces the items; none is chosen afterwards.
    void setItems(const QStringList& items);
    QStringList items() const;
    int count() const;

    // The chosen item, from 0; -1 when none is chosen.
    int itemIndex() const;
    // Chooses an item; -1 or an index out of range chooses none.
    void setItemIndex(int index);

    QRadioButton* button(int index) const;

signals:
    // The user chose another item.
    void clicked();

private:
    QButtonGroup* group_;
    QVBoxLayout* layout_;
};
