#include "shell/window/CPlaceholderPage.h"

#include "shell/forms/page_ids.h"
#include "shell/lang/language.h"
#include "shell/widgets/CScrollBitmapWnd.h"
#include "shell/widgets/CTButtonPicture.h"
#include "shell/widgets/CTEdit.h"
#include "shell/widgets/CTMultiPages.h"
#include "shell/widgets/CTStatic.h"
#include "shell/window/CChildDlg.h"
#include "shell/window/IDeviceLink.h"
#include "shell/window/translate_window.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>

namespace cpe {
namespace {

constexpr int kMargin = 24;

QString PageTitle(int pageId) {
    switch (pageId) {
    case kPageStatus:
        return Qs(TranslateText("Device status"));
    case kPageManagement:
        return Qs(TranslateText("Device management"));
    case kPageBridge:
        return Qs(TranslateText("Device bridge"));
    case kPageReboot:
        return Qs(TranslateText("Device reboot"));
    case kPageUpgrade:
        return Qs(TranslateText("Device upgrade"));
    case kPageRestore:
        return Qs(TranslateText("Device restore"));
    case kPageInstallHelp:
        return Qs(TranslateText("Install Help"));
    default:
        return Qs(TranslateText("System tool"));
    }
}

struct Column {
    QString title;
    int width;
};

std::vector<Column> ListColumns() {
    return {{"", 20},
            {Qs(TranslateText("Serial")), 40},
            {Qs(TranslateText("Location")), 90},
            {Qs(TranslateText("Type")), 80},
            {Qs(TranslateText("IP")), 102},
            {Qs(TranslateText("MAC")), 112},
            {Qs(TranslateText("OperationMode")), 66},
            {Qs(TranslateText("SSID")), 100},
            {Qs(TranslateText("Channel")), 65},
            {Qs(TranslateText("Version")), 60},
            {Qs(TranslateText("Transparent bridge")), 100},
            {Qs(TranslateText("AIRSLOT")), 70},
            {Qs(TranslateText("Time")), 70},
            {Qs(TranslateText("Operate")), 70}};
}

QString GridStyle(const ShellLook& look) {
    auto rgb = [](const QColor& c) {
        return QString("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
    };
    return QString("QTableWidget { border: 1px solid %1; gridline-color: %1; background: white; color: %2;"
                   " selection-background-color: rgb(252,233,219); selection-color: black; }"
                   "QHeaderView::section { background: %3; color: %4; border: none;"
                   " border-right: 1px solid %1; border-bottom: 1px solid %1; padding: 4px; }")
        .arg(rgb(look.lineColor), rgb(look.gridTextColor), rgb(look.gridTitleBkColor),
             rgb(look.gridTitleTextColor));
}

} // namespace

CPlaceholderPage::CPlaceholderPage(const ShellLook& look, int pageId, CChildDlg* container,
                                   PageServices services)
    : CTDialog(container, Qt::Widget), pageId_(pageId), services_(services),
      onlineColour_(look.textOnlineColor), offlineColour_(look.textUnlineColor) {
    setObjectName(QString("page%1").arg(pageId));
    resize(container ? container->size() : QSize(915, 605));
    SetFillColor(look.childBk);
    auto* title = new CTStatic(this);
    title->setProperty("cpeKeepText", true); // already the translated page title
    QFont titleFont = look.StaticFont();
    titleFont.setPixelSize(20);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->SetTextColor(QColor(45, 55, 72));
    title->setText(PageTitle(pageId));
    title->setGeometry(kMargin, 14, 600, 30);
    SetLineColor(QColor(237, 112, 32), 3);
    AddLine(QLine(kMargin, 49, kMargin + 32, 49));

    if (HasDeviceList(pageId)) {
        BuildList(look, container);
    } else if (pageId == kPageInstallHelp) {
        auto* picture = new CScrollBitmapWnd(this);
        picture->setGeometry(kMargin, 64, width() - 2 * kMargin, height() - 64 - kMargin);
        picture->SetBitmap(look.LanguageSkin("help"));
        picture->SetDescription(Qs(TranslateText("Install Help")));
    }
    TranslateWindow(this);
}

void CPlaceholderPage::BuildList(const ShellLook& look, CChildDlg* container) {
    const int right = width() - kMargin;
    auto* search = search_ = new CTEdit(this);
    search->setObjectName("searchEdit");
    search->setGeometry(kMargin, 70, 260, 26);
    search->setFont(look.StaticFont());
    search->setPlaceholderText(Qs(TranslateText("Search")));
    search->setAccessibleName(Qs(TranslateText("Search")));
    auto* find = find_ = new CTButtonPicture(this);
    find->setObjectName("searchButton");
    const QString image = look.Skin("btn_search.bmp");
    find->SetImages(image, image, image, image);
    find->SetFont(look.fontName, look.buttonFontHeight, look.buttonFontWeight);
    find->SetTextColors(look.buttonFontColor, QColor(255, 255, 255), QColor(153, 153, 153));
    find->SetText(Qs(TranslateText("Search")));
    find->setGeometry(kMargin + 276, 66, 96, 30);

    grid_ = new QTableWidget(0, 14, this);
    grid_->setObjectName("deviceList");
    grid_->setGeometry(kMargin, 110, right - kMargin, height() - 110 - 64);
    grid_->verticalHeader()->hide();
    grid_->setFont(look.GridFont());
    grid_->horizontalHeader()->setFont(look.GridTitleFont());
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->setStyleSheet(GridStyle(look));
    grid_->setAccessibleName(Qs(TranslateText("Device list")));
    const std::vector<Column> columns = ListColumns();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        grid_->setHorizontalHeaderItem(c, new QTableWidgetItem(columns[c].title));
        const int text = QFontMetrics(look.GridTitleFont()).horizontalAdvance(columns[c].title) + 16;
        grid_->setColumnWidth(c, std::max(columns[c].width, text));
    }

    const int bottom = height() - 50;
    auto* sizeLabel = new CTStatic(Qs(TranslateText("Each page number")), this);
    sizeLabel->setProperty("cpeKeepText", true);
    sizeLabel->setFont(look.StaticFont());
    sizeLabel->SetTextColor(look.staticFontTextColor);
    sizeLabel->setGeometry(kMargin, bottom + 4, 130, 24);
    sizeLabel->resize(sizeLabel->sizeHint().width(), 24);
    auto* pageSize = pageSize_ = new QComboBox(this);
    for (int n : {15, 30, 50, 100}) {
        pageSize->addItem(QString::number(n), n);
    }
    pageSize->setCurrentIndex(1);
    pageSize->setGeometry(sizeLabel->geometry().right() + 9, bottom + 2, 64, 28);
    pageSize->setAccessibleName(Qs(TranslateText("Each page number")));
    sizeLabel->setBuddy(pageSize);

    pager_ = new CTMultiPages(this);
    pager_->setGeometry(pageSize->geometry().right() + 17, bottom, 400, 32);
    pager_->SetBackground(look.childBk);
    pager_->setFont(look.StaticFont());
    pager_->Setup(pageId_);
    if (container) {
        connect(pager_, &CTMultiPages::pageChosen, container, &CChildDlg::OnPageChosen);
    }
    // The pack supplies the format text, so only its "%d" is filled in, never passed to printf.
    auto* online = online_ =
        new CTStatic(Qs(TranslateText("Online device count:%d")).replace("%d", "0"), this);
    online->setProperty("cpeKeepText", true);
    online->setFont(look.StaticFont());
    online->SetTextColor(look.staticTextNumberColor);
    online->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    online->setGeometry(right - 220, bottom + 4, 220, 24);
    connect(find, &CTButtonPicture::clicked, this, &CPlaceholderPage::Search);
    connect(search, &QLineEdit::returnPressed, this, [this] {
        shownPage_ = 1;
        RefreshList();
    });
    connect(pageSize, &QComboBox::currentIndexChanged, this, [this] {
        shownPage_ = 1;
        RefreshList();
    });
    searchTimer_ = new QTimer(this);
    searchTimer_->setInterval(3000);
    connect(searchTimer_, &QTimer::timeout, this, &CPlaceholderPage::OnSearchTick);
    find->setEnabled(services_.link != nullptr && pageId_ == kPageStatus);
    setTabOrder(search, find);
    setTabOrder(find, grid_);
    setTabOrder(grid_, pageSize);
    setTabOrder(pageSize, pager_);
}

void CPlaceholderPage::ShowPage(int page) {
    shownPage_ = page;
    if (pager_) {
        pager_->SetPages(pager_->pageCount(), page);
    }
    RefreshList();
}

void CPlaceholderPage::RefreshList() {
    ++refreshes_;
    if (!grid_ || !services_.devices) {
        return;
    }
    std::vector<StandInRow> rows;
    int pageCount = 0;
    int online = 0;
    const int size = pageSize_->currentData().toInt();
    if (!services_.devices->ReadPage(search_->text(), size, shownPage_, rows, pageCount, online)) {
        return;
    }
    if (pageCount > 0 && shownPage_ > pageCount) {
        shownPage_ = pageCount;
        services_.devices->ReadPage(search_->text(), size, shownPage_, rows, pageCount, online);
    }
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        auto* check = new QTableWidgetItem;
        check->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        check->setCheckState(Qt::Unchecked);
        grid_->setItem(r, 0, check);
        for (int c = 0; c < static_cast<int>(rows[r].cells.size()) && c + 1 < grid_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(rows[r].cells[c]);
            item->setTextAlignment(Qt::AlignCenter);
            item->setForeground(rows[r].online ? onlineColour_ : offlineColour_);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grid_->setItem(r, c + 1, item);
        }
    }
    // Columns grow to their texts (never below their set widths), so names and MACs stay whole.
    for (int c = 1; c < grid_->columnCount(); ++c) {
        const int before = grid_->columnWidth(c);
        grid_->resizeColumnToContents(c);
        grid_->setColumnWidth(c, std::max(before, grid_->columnWidth(c)));
    }
    pager_->SetPages(pageCount, std::max(1, shownPage_));
    online_->setText(Qs(TranslateText("Online device count:%d")).replace("%d", QString::number(online)));
}

void CPlaceholderPage::Search() {
    if (!services_.link) {
        return;
    }
    // Discovery every 3 seconds for 50 seconds, the list read after each pass.
    searchTicks_ = 0;
    services_.link->SendUnmanage();
    services_.link->SendDiscover();
    searchTimer_->start();
}

void CPlaceholderPage::OnSearchTick() {
    RefreshList();
    if (++searchTicks_ >= 50 / 3) {
        searchTimer_->stop();
        return;
    }
    services_.link->SendDiscover();
}

} // namespace cpe
