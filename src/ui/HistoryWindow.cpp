#include "ui/HistoryWindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeView>
#include <QVBoxLayout>

#include "config/SafeFile.h"
#include "history/HistoryExport.h"
#include "history/HistoryModel.h"
#include "history/HistoryStore.h"
#include "platform/AppInfo.h"
#include "platform/IDialogs.h"

HistoryWindow::HistoryWindow(HistoryStore& store, IDialogs* dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_store(store),
      m_dialogs(dialogs),
      m_model(new HistoryModel(store, this)) {
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("History"));
    resize(760, 400);

    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(tr("Search"));
    txtSearch->setClearButtonEnabled(true);
    txtSearch->setAccessibleName(tr("Search the history"));
    txtSearch->setAccessibleDescription(
        tr("Lists only the translations whose texts hold these letters; the arrow keys walk "
           "the list."));

    lstHistory = new QTreeView(this);
    lstHistory->setObjectName(QStringLiteral("lstHistory"));
    lstHistory->setModel(m_model);
    lstHistory->setRootIsDecorated(false);
    lstHistory->setUniformRowHeights(true);  // keeps 10 000 rows quick
    lstHistory->setAllColumnsShowFocus(true);
    lstHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstHistory->setSelectionMode(QAbstractItemView::SingleSelection);
    lstHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstHistory->setAccessibleName(tr("Translations"));
    lstHistory->setAccessibleDescription(tr("Enter or a double click puts the translation back"));
    lstHistory->header()->setStretchLastSection(true);
    lstHistory->setColumnWidth(HistoryModel::TimeColumn, 120);
    lstHistory->setColumnWidth(HistoryModel::EngineColumn, 110);
    lstHistory->setColumnWidth(HistoryModel::PairColumn, 130);
    lstHistory->setColumnWidth(HistoryModel::SourceColumn, 190);

    lblState = new QLabel(this);
    lblState->setObjectName(QStringLiteral("lblState"));
    lblState->setWordWrap(true);

    chkKeep = new QCheckBox(tr("&Keep a history"), this);
    chkKeep->setObjectName(QStringLiteral("chkKeep"));
    chkKeep->setAccessibleDescription(
        tr("Whether new translations are kept, also after a restart"));
    cmdClear = new QPushButton(tr("C&lear History"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdClear->setAccessibleDescription(tr("Forgets every kept translation, after asking"));
    cmdExport = new QPushButton(tr("&Export..."), this);
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    cmdExport->setAccessibleDescription(tr("Writes the listed translations to a CSV file"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkKeep);
    buttons->addStretch(1);
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdClear);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtSearch);
    layout->addWidget(lstHistory, 1);
    layout->addWidget(lblState);
    layout->addLayout(buttons);
    // In the order they are seen: the search, the list, then the row below.
    QWidget::setTabOrder(txtSearch, lstHistory);
    QWidget::setTabOrder(lstHistory, chkKeep);
    QWidget::setTabOrder(chkKeep, cmdExport);
    QWidget::setTabOrder(cmdExport, cmdClear);

    connect(txtSearch, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_model->setFilter(text);
        selectFirst();
    });
    connect(lstHistory, &QTreeView::doubleClicked, this,
            [this](const QModelIndex& index) { putBack(index.row()); });
    connect(cmdClear, &QPushButton::clicked, this, &HistoryWindow::clearHistory);
    connect(chkKeep, &QCheckBox::toggled, &m_store, &HistoryStore::setKeeping);
    connect(&m_store, &HistoryStore::stateChanged, this, &HistoryWindow::showState);
    connect(cmdExport, &QPushButton::clicked, this, &HistoryWindow::exportHistory);
    // Taken when it changes: when the list is rebuilt, the store has
    // changed already and the old rows no longer name their entries.
    connect(lstHistory->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                m_current =
                    current.isValid() ? std::optional(m_model->entry(current.row())) : std::nullopt;
            });
    connect(m_model, &HistoryModel::modelReset, this, [this] {
        cmdClear->setEnabled(m_store.entries().size() > 0);
        cmdExport->setEnabled(m_model->rowCount() > 0);
        keepSelection();
    });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    txtSearch->installEventFilter(this);
    lstHistory->installEventFilter(this);
    showState();
    cmdClear->setEnabled(m_store.entries().size() > 0);
    cmdExport->setEnabled(m_model->rowCount() > 0);
    selectFirst();
}

void HistoryWindow::putBack(int row) {
    if (row < 0 || row >= m_model->rowCount()) return;
    const HistoryEntry e = m_model->entry(row);
    emit entryChosen(e.source, e.result, e.engine, e.pair);
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QModelIndex current = lstHistory->currentIndex();
            putBack(current.isValid() ? current.row() : -1);
            return true;
        }
        // From the search box the arrows walk the list.
        if (watched == txtSearch && (key == Qt::Key_Down || key == Qt::Key_Up)) {
            QCoreApplication::sendEvent(lstHistory, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HistoryWindow::clearHistory() {
    if (!m_dialogs) return;
    const IDialogs::Result answer = m_dialogs->messageBox(
        tr("Clear the whole history? This cannot be undone."), AppInfo::title(),
        IDialogs::Icon::Exclamation, IDialogs::Buttons::OkCancelDefaultCancel);
    if (answer == IDialogs::Result::Ok) m_store.clear();
}

void HistoryWindow::exportHistory() {
    if (!m_dialogs) return;
    const QString path = m_dialogs->saveFileName(
        tr("Export History"), QDir::homePath() + QStringLiteral("/parlamo-history.csv"),
        tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty()) return;
    QList<HistoryEntry> entries;
    entries.reserve(m_model->rowCount());
    for (int row = 0; row < m_model->rowCount(); ++row) entries.append(m_model->entry(row));
    const QByteArray bytes = HistoryExport::text(entries, HistoryExport::Format::Csv).toUtf8();
    // A link at that name is replaced by the file, never written through.
    if (!SafeFile::replaceWithoutFollowing(path, bytes))
        m_dialogs->messageBox(tr("The history could not be written to %1.").arg(path),
                              AppInfo::title(), IDialogs::Icon::Exclamation, IDialogs::Buttons::Ok);
}

void HistoryWindow::keepSelection() {
    const std::optional<HistoryEntry> wanted = m_current;
    if (wanted) {
        for (int row = 0; row < m_model->rowCount(); ++row) {
            if (m_model->entry(row) == *wanted) {
                lstHistory->setCurrentIndex(m_model->index(row, 0));
                return;
            }
        }
    }
    selectFirst();
}

void HistoryWindow::showState() {
    {
        const QSignalBlocker quiet(chkKeep);
        chkKeep->setChecked(m_store.keeping());
    }
    lblState->setText(m_store.offSentence());
    lblState->setVisible(m_store.isOff());
}

void HistoryWindow::selectFirst() {
    if (m_model->rowCount() > 0) lstHistory->setCurrentIndex(m_model->index(0, 0));
}
