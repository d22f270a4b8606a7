#include "ui/frmTranslate.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include "config/Globals.h"
#include "speech/HearItCommand.h"
#include "translate/TranslateCommand.h"

frmTranslate::frmTranslate(Globals& globals, Platform platform, QWidget* parent)
    : QMainWindow(parent), m_globals(globals), m_platform(platform) {
    setObjectName(QStringLiteral("frmTranslate"));
    buildControls();
    buildMenus();
    m_translate = std::make_unique<TranslateCommand>(*this);
    m_hearIt = std::make_unique<HearItCommand>(*this);
    connect(cmdTranslate, &QPushButton::clicked, this, &frmTranslate::cmdTranslate_Click);
    connect(cmdHearIt, &QPushButton::clicked, this, &frmTranslate::cmdHearIt_Click);
}

frmTranslate::~frmTranslate() = default;

void frmTranslate::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    // Tab order follows creation order.
    txtFrom = new QPlainTextEdit(client);
    txtFrom->setObjectName(QStringLiteral("txtFrom"));
    txtFrom->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtFrom->setTabChangesFocus(true);

    cboLanguages = new QComboBox(client);
    cboLanguages->setObjectName(QStringLiteral("cboLanguages"));

    cboEngines = new QComboBox(client);
    cboEngines->setObjectName(QStringLiteral("cboEngines"));

    cmdTranslate = new QPushButton(client);
    cmdTranslate->setObjectName(QStringLiteral("cmdTranslate"));

    barStatus = new QStatusBar(this);
    barStatus->setObjectName(QStringLiteral("barStatus"));
    barStatus->setSizeGripEnabled(true);
    barStatusPanel1 = new QLabel(barStatus);
    barStatusPanel1->setObjectName(QStringLiteral("barStatusPanel1"));
    barStatusCaps = new QLabel(QStringLiteral("CAPS"), barStatus);
    barStatusCaps->setObjectName(QStringLiteral("barStatusCaps"));
    barStatusIns = new QLabel(QStringLiteral("INS"), barStatus);
    barStatusIns->setObjectName(QStringLiteral("barStatusIns"));
    barStatus->addWidget(barStatusPanel1, 1);
    barStatus->addPermanentWidget(barStatusCaps);
    barStatus->addPermanentWidget(barStatusIns);
    setStatusBar(barStatus);

    txtTo = new QPlainTextEdit(client);
    txtTo->setObjectName(QStringLiteral("txtTo"));
    txtTo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtTo->setTabChangesFocus(true);

    txtHearIt = new QLineEdit(client);
    txtHearIt->setObjectName(QStringLiteral("txtHearIt"));

    cmdHearIt = new QPushButton(QStringLiteral("&Hear It!"), client);
    cmdHearIt->setObjectName(QStringLiteral("cmdHearIt"));

    lblHint = new QLabel(QStringLiteral("Type a word to Hear It"), client);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setForegroundRole(QPalette::PlaceholderText);

    timTimeout = new QTimer(this);
    timTimeout->setObjectName(QStringLiteral("timTimeout"));
    timTimeout->setInterval(60000);
}

void frmTranslate::buildMenus() {
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuExit = mnuFile->addAction(QStringLiteral("&Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuLoad = mnuOptions->addAction(QStringLiteral("&Load on Startup"));
    mnuLoad->setObjectName(QStringLiteral("mnuLoad"));
    mnuLoad->setCheckable(true);

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnlineHelp = mnuHelp->addAction(QStringLiteral("&Online Help"));
    mnuOnlineHelp->setObjectName(QStringLiteral("mnuOnlineHelp"));
    mnuSupport = mnuHelp->addAction(QStringLiteral("Online &Support"));
    mnuSupport->setObjectName(QStringLiteral("mnuSupport"));

    mnuTray = new QMenu(QStringLiteral("TrayIcon"), this);
    mnuTray->setObjectName(QStringLiteral("mnuTray"));
    mnuTrayOpen = mnuTray->addAction(QStringLiteral("&Open"));
    mnuTrayOpen->setObjectName(QStringLiteral("mnuTrayOpen"));
    mnuTrayExit = mnuTray->addAction(QStringLiteral("&Exit"));
    mnuTrayExit->setObjectName(QStringLiteral("mnuTrayExit"));
}

QString frmTranslate::statusText() const { return barStatusPanel1->text(); }

void frmTranslate::setStatusText(const QString& text) { barStatusPanel1->setText(text); }

void frmTranslate::Disable() {
    txtFrom->setEnabled(false);
    txtTo->setEnabled(false);
    cboEngines->setEnabled(false);
    cboLanguages->setEnabled(false);
    cmdTranslate->setEnabled(false);
    setStatusText(QStringLiteral("Translating from ") + cboLanguages->currentText());
    txtHearIt->setEnabled(false);
    cmdHearIt->setEnabled(false);
}

void frmTranslate::Enable() {
    txtFrom->setEnabled(true);
    txtTo->setEnabled(true);
    cboEngines->setEnabled(true);
    cboLanguages->setEnabled(true);
    cmdTranslate->setEnabled(true);
    setStatusText(QStringLiteral("Translated."));
    txtHearIt->setEnabled(true);
    cmdHearIt->setEnabled(true);
}

void frmTranslate::Form_Load() {}

void frmTranslate::cmdTranslate_Click() { m_translate->cmdTranslate_Click(); }

void frmTranslate::cmdHearIt_Click() { m_hearIt->cmdHearIt_Click(); }
