#include "shell/window/CPlaceholderPage.h"

#include "shell/forms/page_ids.h"
#include "shell/widgets/CScrollBitmapWnd.h"
#include "shell/widgets/CTButtonPicture.h"
#include "shell/widgets/CTEdit.h"
#include "shell/widgets/CTMultiPages.h"
#include "shell/widgets/CTStatic.h"
#include "shell/window/CChildDlg.h"
#include "shell/window/translate_window.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>

namespace cpe {
namespace {

constexpr int kMargin = 24;

QString PageTitle(int pageId) {
    switch (pageId) {
    case kPageStatus:
        return Tr("Device status");
    case kPageManagement:
        return Tr("Device management");
    case kPageBridge:
        return Tr("Device bridge");
    case kPageReboot:
        return Tr("Device reboot");
    case kPageUpgrade:
        return Tr("Device upgrade");
    case kPageRestore:
        return Tr("Device restore");
    case kPageInstallHelp:
        return Tr("Install Help");
    default:
        return Tr("System tool");
    }
}

struct Column {
    QString title;
    int width;
};

std::vector<Column> ListColumns() {
    return {{"", 20},
            {Tr("Serial"), 40},
            {Tr("Location"), 90},
            {Tr("Type"), 80},
            {Tr("IP"), 102},
            {Tr("MAC"), 112},
            {Tr("OperationMode"), 66},
            {Tr("SSID"), 100},
            {Tr("Channel"), 65},
            {Tr("Version"), 60},
            {Tr("Transparent bridge"), 100},
            {Tr("AIRSLOT"), 70},
            {Tr("Time"), 70},
            {Tr("Operate"), 70}};
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

CPlaceholderPage::CPlaceholderPage(const ShellLook& look, int pageId, CChildDlg* container)
    : CTDialog(container, Qt::Widget), pageId_(pageId) {
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
        picture->SetDescription(Tr("Install Help"));
    }
    TranslateWindow(this);
}

void CPlaceholderPage::BuildList(const ShellLook& look, CChildDlg* container) {
    const int right = width() - kMargin;
    auto* search = new CTEdit(this);
    search->setObjectName("searchEdit");
    search->setGeometry(kMargin, 70, 260, 26);
    search->setFont(look.StaticFont());
    search->setPlaceholderText(Tr("Search"));
    search->setAccessibleName(Tr("Search"));
    auto* find = new CTButtonPicture(this);
    find->setObjectName("searchButton");
    const QString image = look.Skin("btn_search.bmp");
    find->SetImages(image, image, image, image);
    find->SetFont(look.fontName, look.buttonFontHeight, look.buttonFontWeight);
    find->SetTextColors(look.buttonFontColor, QColor(255, 255, 255), QColor(153, 153, 153));
    find->SetText(Tr("Search"));
    find->setGeometry(kMargin + 276, 66, 96, 30);

    grid_ = new QTableWidget(0, 14, this);
    grid_->setObjectName("deviceList");
    grid_->setGeometry(kMargin, 110, right - kMargin, height() - 110 - 64);
    grid_->verticalHeader()->hide();
    grid_->setFont(look.GridFont());
    grid_->horizontalHeader()->setFont(look.GridTitleFont());
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->setStyleSheet(GridStyle(look));
    grid_->setAccessibleName(Tr("Device list"));
    const std::vector<Column> columns = ListColumns();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        grid_->setHorizontalHeaderItem(c, new QTableWidgetItem(columns[c].title));
        const int text = QFontMetrics(look.GridTitleFont()).horizontalAdvance(columns[c].title) + 16;
        grid_->setColumnWidth(c, std::max(columns[c].width, text));
    }

    const int bottom = height() - 50;
    auto* sizeLabel = new CTStatic(Tr("Each page number"), this);
    sizeLabel->setProperty("cpeKeepText", true);
    sizeLabel->setFont(look.StaticFont());
    sizeLabel->SetTextColor(look.staticFontTextColor);
    sizeLabel->setGeometry(kMargin, bottom + 4, 130, 24);
    auto* pageSize = new QComboBox(this);
    for (int n : {15, 30, 50, 100}) {
        pageSize->addItem(QString::number(n), n);
    }
    pageSize->setCurrentIndex(1);
    pageSize->setGeometry(kMargin + 134, bottom + 2, 64, 28);
    pageSize->setAccessibleName(Tr("Each page number"));
    sizeLabel->setBuddy(pageSize);

    pager_ = new CTMultiPages(this);
    pager_->setGeometry(kMargin + 210, bottom, 400, 32);
    pager_->SetBackground(look.childBk);
    pager_->setFont(look.StaticFont());
    pager_->Setup(pageId_);
    if (container) {
        connect(pager_, &CTMultiPages::pageChosen, container, &CChildDlg::OnPageChosen);
    }
    // The pack supplies the format text, so only its "%d" is filled in, never passed to printf.
    auto* online = new CTStatic(Tr("Online device count:%d").replace("%d", "0"), this);
    online->setProperty("cpeKeepText", true);
    online->setFont(look.StaticFont());
    online->SetTextColor(look.staticTextNumberColor);
    online->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    online->setGeometry(right - 220, bottom + 4, 220, 24);
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
}

} // namespace cpe
