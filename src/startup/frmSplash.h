#pragma once

#include <QDialog>

#include "platform/Platform.h"
#include "service/ConfigLoader.h"
#include "startup/ISplashScreen.h"

class QLabel;
class QProgressBar;
struct Globals;

// The start-up screen: a frameless, centred picture of 3600 x 3600 twips with
// the version, a status line and a four-step bar. Shown modally by Main; its
// activation runs the whole start-up and closes it.
class frmSplash : public QDialog, public ISplashScreen {
    Q_OBJECT
public:
    frmSplash(Globals& globals, Platform platform, QWidget* parent = nullptr);
    ~frmSplash() override;

    // Twips to pixels at the screen's logical resolution (15 twips a pixel at
    // 96 dpi).
    int twipsToPixels(int twips) const;

    void setLoadTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    // Runs the start-up sequence; only the first call does anything.
    void Form_Activate();

    // ISplashScreen
    void setVersionText(const QString& text) override;
    QString status() const override;
    void setStatus(const QString& text) override;
    void setBarMinimum(int value) override;
    void setBarMaximum(int value) override;
    void setBarValue(int value) override;
    void Repaint() override;
    void Navigate(const QString& NavTo) override;
    void Unload() override;

    QLabel* pctSplash = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblSplash = nullptr;
    QProgressBar* barLoading = nullptr;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void place(QWidget* w, int left, int top, int width, int height);
    // Shrinks the label's font from its designed size until the text fits.
    static void fitText(QLabel* label, double designedPointSize);

    Globals& m_globals;
    Platform m_platform;
    int m_timeoutMs = ConfigLoader::defaultTimeoutMs;
    static constexpr int exposeWaitMs = 1000;
    static constexpr double statusPointSize = 9.75;
    double m_versionPointSize = 0;
    bool m_scheduled = false;
    bool m_activated = false;
    bool m_running = false;
};
