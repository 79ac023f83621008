#pragma once

#include "pages/status/DeviceListForm.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPixmap>
#include <functional>

namespace cpe {

// The grid of a device list page over its form's rows: check cells in the tick column, texts
// centred on one line, the stored rows in the grid colour and the searched ones in the offline
// colour, the status code as column 1's item data, the picture in the picture column for rows
// with a stored report, and in-place editing of the name column.
class DeviceListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kItemDataRole = Qt::UserRole + 1;

    struct Colours {
        QColor text{0, 0, 0};
        QColor offline{142, 142, 142};
    };
    // Called with the row and the edited name; the form decides what the cell shows.
    using NameEdited = std::function<void(int row, const QString& name)>;

    DeviceListModel(DeviceListForm& form, Colours colours, QPixmap picture, QObject* parent = nullptr);

    // The form's rows changed (a new list page, ticks, a rename).
    void Reload();
    void SetNameEdited(NameEdited edited) { nameEdited_ = std::move(edited); }
    void SetEditableNames(bool on) { editableNames_ = on; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    DeviceListForm& form_;
    Colours colours_;
    QPixmap picture_;
    NameEdited nameEdited_;
    bool editableNames_ = true;

    const DeviceRow* Row(const QModelIndex& index) const;
    CellField Field(int column) const;
};

} // namespace cpe
