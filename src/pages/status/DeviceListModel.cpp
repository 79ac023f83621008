#include "pages/status/DeviceListModel.h"

#include "shell/window/ShellLook.h" // Tr

namespace cpe {

DeviceListModel::DeviceListModel(DeviceListForm& form, Colours colours, QPixmap picture, QObject* parent)
    : QAbstractTableModel(parent), form_(form), colours_(colours), picture_(std::move(picture)) {}

void DeviceListModel::Reload() {
    beginResetModel();
    endResetModel();
}

int DeviceListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(form_.rows().size());
}

int DeviceListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(form_.columns().size());
}

const DeviceRow* DeviceListModel::Row(const QModelIndex& index) const {
    if (!index.isValid() ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return nullptr;
    }
    return &form_.rows()[static_cast<std::size_t>(index.row())];
}

CellField DeviceListModel::Field(int column) const {
    return form_.columns()[static_cast<std::size_t>(column)].field;
}

QVariant DeviceListModel::data(const QModelIndex& index, int role) const {
    const DeviceRow* row = Row(index);
    if (!row) {
        return {};
    }
    const CellField field = Field(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (field == CellField::Check || field == CellField::Picture) {
            return {};
        }
        return QString::fromStdString(row->cells[static_cast<std::size_t>(index.column())]);
    case Qt::CheckStateRole:
        if (field == CellField::Check) {
            return row->ticked ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    case Qt::ForegroundRole:
        return row->searched ? colours_.offline : colours_.text;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::DecorationRole:
        if (field == CellField::Picture && !row->searched && !picture_.isNull()) {
            return picture_;
        }
        return {};
    case kItemDataRole:
        if (field == CellField::Serial) {
            return row->itemData;
        }
        return {};
    default:
        return {};
    }
}

QVariant DeviceListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        const char* header = form_.columns()[static_cast<std::size_t>(section)].header;
        return *header ? Tr(header) : QString();
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    }
    return {};
}

Qt::ItemFlags DeviceListModel::flags(const QModelIndex& index) const {
    const DeviceRow* row = Row(index);
    if (!row) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editableNames_ && Field(index.column()) == CellField::Name && row->itemData != kSearchedItemData) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool DeviceListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const DeviceRow* row = Row(index);
    if (!row || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    if (nameEdited_) {
        nameEdited_(index.row(), value.toString());
    }
    emit dataChanged(index, index);
    return true;
}

} // namespace cpe
