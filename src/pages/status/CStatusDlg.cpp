#include "pages/status/CStatusDlg.h"

#include "pages/status/CBridgeSetMultiDlg.h"
#include "pages/status/CIpsetMutilDlg.h"
#include "pages/status/CTdmaxenSetMultiDlg.h"
#include "pages/status/DeviceListModel.h"
#include "pages/status/ScanMacDlg.h"
#include "shell/lang/language.h"
#include "shell/widgets/CTButtonPicture.h"
#include "shell/widgets/CTMultiPages.h"
#include "shell/window/CChildDlg.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QTableView>

namespace cpe {
namespace {

constexpr int kMargin = 24;
constexpr int kRowHeight = 24;

QString Rgb(const QColor& c) {
    return QString("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QString GridStyle(const ShellLook& look) {
    return QString("QTableView { border: 1px solid %1; gridline-color: %1; background: white; }"
                   "QHeaderView::section { background: %2; color: %3; border: none;"
                   " border-right: 1px solid %1; border-bottom: 1px solid %1; padding: 4px; }")
        .arg(Rgb(look.lineColor), Rgb(look.gridTitleBkColor), Rgb(look.gridTitleTextColor));
}

// Image 0 of the web-button strip (50 x 16 pixels), white as the mask colour.
QPixmap WebButtonPicture(const ShellLook& look) {
    QImage strip(look.Skin("bt_url.bmp"));
    if (strip.isNull()) {
        return {};
    }
    QPixmap picture =
        QPixmap::fromImage(strip.copy(0, 0, std::min(50, strip.width()), std::min(16, strip.height())));
    picture.setMask(picture.createMaskFromColor(Qt::white));
    return picture;
}

} // namespace

CStatusDlg::CStatusDlg(const ShellLook& look, StatusPageServices services, CChildDlg* container)
    : CTDialog(container, Qt::Widget), look_(look), services_(std::move(services)), container_(container) {
    setObjectName("page133");
    resize(container ? container->size() : QSize(915, 605));
    SetFillColor(look_.childBk);
    if (!services_.messages) {
        ownMessages_ = std::make_unique<OperatorMessageBox>(this);
    }
    host_ = std::make_unique<ContainerHost>(container);
    timers_ = std::make_unique<PageTimerSet>([this](int id) { OnTimer(id); }, this);
    form_ = std::make_unique<StatusPageForm>(*services_.store, *services_.link, messages(), *host_, *timers_);
    BuildControls();
    SyncView();
}

CStatusDlg::~CStatusDlg() {
    // The grid reads the form until it is gone; the form's workers stop while the timers exist.
    grid_->setModel(nullptr);
    delete model_;
    model_ = nullptr;
    form_.reset();
}

IOperatorMessages& CStatusDlg::messages() {
    return services_.messages ? *services_.messages : *ownMessages_;
}

CTButtonPicture* CStatusDlg::MakeButton(int id, const char* text, const char* image, const QRect& geometry) {
    auto* b = new CTButtonPicture(this);
    b->setObjectName(QString("button%1").arg(id));
    const QString path = look_.Skin(image);
    b->SetImages(path, path, path, path);
    b->SetFont(look_.fontName, look_.buttonFontHeight, look_.buttonFontWeight);
    b->SetTextColors(look_.buttonFontColor, QColor(255, 255, 255), QColor(153, 153, 153));
    b->SetText(Tr(text));
    b->setGeometry(geometry);
    buttons_[id] = b;
    return b;
}

CTButtonPicture* CStatusDlg::button(int id) const {
    auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

void CStatusDlg::BuildControls() {
    const int right = width() - kMargin;
    int x = kMargin;
    auto next = [&x](int w) {
        const QRect r(x, 66, w, 30);
        x += w + 8;
        return r;
    };
    connect(MakeButton(1003, CPE_TR("Search"), "btn_search.bmp", next(96)), &QAbstractButton::clicked, this,
            &CStatusDlg::OnSearchClicked);
    connect(MakeButton(1004, CPE_TR("Set IP"), "btn_config.bmp", next(96)), &QAbstractButton::clicked, this,
            &CStatusDlg::OnSetIpClicked);
    connect(MakeButton(1005, CPE_TR("Set Bridge"), "btn_config.bmp", next(120)), &QAbstractButton::clicked,
            this, [this] { OnSwitchClicked(SwitchKind::TransparentBridge); });
    connect(MakeButton(1006, CPE_TR("AIRSLOT"), "btn_config.bmp", next(96)), &QAbstractButton::clicked, this,
            [this] { OnSwitchClicked(SwitchKind::Airslot); });
    connect(MakeButton(1001, CPE_TR("ScanMac"), "btn_search.bmp", next(96)), &QAbstractButton::clicked, this,
            &CStatusDlg::OnScanMacClicked);

    animation_ = new QLabel(this);
    animation_->setObjectName("searchAnimation");
    animation_->setGeometry(x, 66, 30, 30);
    auto* movie = new QMovie(look_.Skin("wait_search.gif"), {}, animation_);
    animation_->setMovie(movie);
    animation_->hide();

    search_ = new QLineEdit(this);
    search_->setObjectName("searchEdit");
    search_->setGeometry(right - 220, 68, 220, 26);
    search_->setFont(look_.StaticFont());
    search_->setAccessibleName(Tr("Search"));
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        form_->list().OnSearchTextChanged(text.toStdString());
        SyncView();
    });

    model_ = new DeviceListModel(form_->list(), {look_.gridTextColor, look_.textUnlineColor},
                                 WebButtonPicture(look_), this);
    model_->SetNameEdited([this](int row, const QString& name) {
        std::string shown;
        if (form_->BeginRename(row)) {
            form_->EndRename(row, name.toStdString(), shown);
            form_->list().rows()[static_cast<std::size_t>(row)].cells[2] = shown;
        }
    });
    grid_ = new QTableView(this);
    grid_->setObjectName("deviceList");
    grid_->setModel(model_);
    grid_->setGeometry(kMargin, 110, right - kMargin, height() - 110 - 64);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid_->setWordWrap(false);
    grid_->setFont(look_.GridFont());
    grid_->horizontalHeader()->setFont(look_.GridTitleFont());
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->horizontalHeader()->setSectionsClickable(true);
    grid_->horizontalHeader()->setSortIndicatorShown(true);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setStyleSheet(GridStyle(look_));
    grid_->setAccessibleName(Tr("Device status"));
    const auto& columns = form_->list().columns();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        grid_->setColumnWidth(c, columns[static_cast<std::size_t>(c)].width);
    }
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, &CStatusDlg::OnHeaderClicked);
    connect(grid_, &QTableView::clicked, this, &CStatusDlg::OnCellClicked);

    const int bottom = height() - 50;
    auto* sizeLabel = new QLabel(Tr("Each page number"), this);
    sizeLabel->setFont(look_.StaticFont());
    sizeLabel->setGeometry(kMargin, bottom + 4, 130, 24);
    pageSize_ = new QComboBox(this);
    pageSize_->setObjectName("pageSize");
    for (int n : kPageSizes) {
        pageSize_->addItem(QString::number(n), n);
    }
    pageSize_->setCurrentIndex(form_->list().pageSizeIndex());
    pageSize_->setGeometry(kMargin + 134, bottom + 2, 64, 28);
    sizeLabel->setBuddy(pageSize_);
    connect(pageSize_, &QComboBox::activated, this, [this](int index) {
        form_->list().OnPageSizeChanged(index);
        SyncView();
    });
    connect(MakeButton(1074, "", "btn_update_normal.bmp", QRect(kMargin + 206, bottom + 4, 24, 24)),
            &QAbstractButton::clicked, this, [this] {
                form_->list().RefreshCurrentPage();
                SyncView();
            });
    button(1074)->setAccessibleName(Tr("Search"));

    pager_ = new CTMultiPages(this);
    pager_->setObjectName("pager");
    pager_->setGeometry(kMargin + 240, bottom, 400, 32);
    pager_->SetBackground(look_.childBk);
    pager_->setFont(look_.StaticFont());
    pager_->Setup(StatusPageForm::kPageId);
    if (container_) {
        connect(pager_, &CTMultiPages::pageChosen, container_, &CChildDlg::OnPageChosen);
    }
    online_ = new QLabel(this);
    online_->setObjectName("onlineCount");
    online_->setFont(look_.StaticFont());
    online_->setStyleSheet(QString("color: %1").arg(Rgb(look_.staticTextNumberColor)));
    online_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    online_->setGeometry(right - 220, bottom + 4, 220, 24);
}

void CStatusDlg::SyncView() {
    const DeviceListForm& list = form_->list();
    model_->Reload();
    grid_->horizontalHeader()->setSortIndicator(
        list.sortColumn(), list.shownAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    pager_->SetPages(list.pageCount(), list.barPage());
    online_->setText(QString::fromStdString(list.OnlineCountText()));
    if (search_->text().toStdString() != list.searchText()) {
        const QSignalBlocker blocker(search_);
        search_->setText(QString::fromStdString(list.searchText()));
    }
    const bool idle = form_->controlsEnabled();
    search_->setEnabled(idle);
    grid_->setEnabled(idle);
    pageSize_->setEnabled(idle);
    button(1003)->SetText(Tr(form_->searchButtonText()));
    button(1001)->SetText(Tr(form_->scanButtonText()));
    animation_->setVisible(form_->animationVisible());
    if (animation_->movie()) {
        form_->animationVisible() ? animation_->movie()->start() : animation_->movie()->stop();
    }
}

void CStatusDlg::ShowPage(int page) {
    form_->list().RefreshPage(page);
    SyncView();
}

void CStatusDlg::RefreshList() {
    form_->list().RefreshCurrentPage();
    SyncView();
}

void CStatusDlg::OnTimer(int id) {
    form_->OnTimer(id);
    SyncView();
}

void CStatusDlg::OnSearchClicked() {
    form_->OnSearchClicked();
    SyncView();
}

void CStatusDlg::OnScanMacClicked() {
    if (form_->OnScanMacClicked()) {
        ScanMacDlg dialog(look_, messages(), this);
        if (RunDialog(dialog) == QDialog::Accepted && dialog.mac()) {
            form_->StartMacScan(*dialog.mac());
        }
    }
    SyncView();
}

void CStatusDlg::OnSetIpClicked() {
    auto request = form_->PrepareSetIp();
    if (!request) {
        return;
    }
    CIpsetMutilDlg dialog(look_, *services_.link, messages(), form_->ipWorker(), std::move(request->queue),
                          request->addressing, this);
    RunDialog(dialog);
}

void CStatusDlg::OnSwitchClicked(SwitchKind kind) {
    auto request = form_->PrepareSwitch(kind);
    if (!request) {
        return;
    }
    SwitchSetForm switchForm(kind, *services_.link, form_->switchWorker(kind), std::move(request->queue),
                             request->initialValue, [this] { form_->ArmRefresh(); });
    if (kind == SwitchKind::TransparentBridge) {
        CBridgeSetMultiDlg dialog(look_, switchForm, this);
        RunDialog(dialog);
    } else {
        CTdmaxenSetMultiDlg dialog(look_, switchForm, this);
        RunDialog(dialog);
    }
}

void CStatusDlg::OnCellClicked(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    const CellField field = form_->list().columns()[static_cast<std::size_t>(index.column())].field;
    if (field == CellField::Check) {
        form_->list().OnCheckClicked(index.row());
        emit model_->dataChanged(index, index, {Qt::CheckStateRole});
    } else if (field == CellField::Name && (model_->flags(index) & Qt::ItemIsEditable)) {
        grid_->edit(index);
    } else if (field == CellField::Picture) {
        if (auto link = form_->WebLink(index.row())) {
            const QUrl url(QString::fromStdString(*link));
            services_.openUrl ? services_.openUrl(url) : QDesktopServices::openUrl(url);
        }
    }
}

void CStatusDlg::OnHeaderClicked(int column) {
    form_->list().OnHeaderClicked(column);
    SyncView();
}

int CStatusDlg::RunDialog(QDialog& dialog) {
    return services_.runDialog ? services_.runDialog(dialog) : dialog.exec();
}

} // namespace cpe
