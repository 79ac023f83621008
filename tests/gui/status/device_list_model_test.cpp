#include "pages/status/DeviceListModel.h"
#include "unit/forms/status_fakes.h"

#include <QAbstractItemModelTester>
#include <gtest/gtest.h>

namespace cpe {
namespace {

using namespace cpe::test;

class DeviceListModelTest : public ::testing::Test {
protected:
    FakeStore store;
    FakeLink link;
    DeviceListForm form{store, link, StatusListColumns()};
    DeviceListModel model{form, {QColor(1, 2, 3), QColor(142, 142, 142)}, Picture()};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};

    static QPixmap Picture() {
        QPixmap picture(50, 16);
        picture.fill(Qt::red);
        return picture;
    }
};

TEST_F(DeviceListModelTest, StoredAndSearchedRowsWithTheirRoles) {
    store.rows = {Device(1), Device(2, 5, 1, 0)};
    link.searched = {Device(3)};
    form.RefreshCurrentPage();
    model.Reload();
    ASSERT_EQ(model.rowCount(), 3);
    ASSERT_EQ(model.columnCount(), 14);
    EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), "IP");
    EXPECT_EQ(model.index(0, 4).data().toString(), "10.0.0.2");
    EXPECT_EQ(model.index(0, 1).data().toString(), "1");
    EXPECT_EQ(model.index(0, 1).data(DeviceListModel::kItemDataRole).toInt(), 1);
    EXPECT_EQ(model.index(1, 1).data(DeviceListModel::kItemDataRole).toInt(), 0);
    EXPECT_EQ(model.index(2, 1).data(DeviceListModel::kItemDataRole).toInt(), 10);
    EXPECT_EQ(model.index(0, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(model.index(0, 5).data(Qt::ForegroundRole).value<QColor>(), QColor(1, 2, 3));
    EXPECT_EQ(model.index(2, 5).data(Qt::ForegroundRole).value<QColor>(), QColor(142, 142, 142));
    EXPECT_FALSE(model.index(0, 13).data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(model.index(2, 13).data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(model.flags(model.index(0, 2)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.index(2, 2)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.index(0, 3)) & Qt::ItemIsEditable);
    EXPECT_EQ(model.index(0, 7).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);

    form.OnCheckClicked(1);
    EXPECT_EQ(model.index(1, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
}

TEST_F(DeviceListModelTest, NameEditGoesToTheCallbackOnlyForStoredRows) {
    store.rows = {Device(1)};
    link.searched = {Device(3)};
    form.RefreshCurrentPage();
    model.Reload();
    std::vector<std::pair<int, QString>> edits;
    model.SetNameEdited([&](int row, const QString& name) { edits.emplace_back(row, name); });
    EXPECT_TRUE(model.setData(model.index(0, 2), "new"));
    EXPECT_FALSE(model.setData(model.index(1, 2), "new"));
    EXPECT_FALSE(model.setData(model.index(0, 3), "new"));
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0].second, "new");
}

} // namespace
} // namespace cpe
