#pragma once

#include <QObject>

class frmTranslate;

// The Hear It command of the main window: looks the typed word up at the
// pronunciation service, stores its wave file in the "wav" cache folder and
// plays it. Also clears the word box whenever it gets the focus.
class HearItCommand : public QObject {
    Q_OBJECT
public:
    explicit HearItCommand(frmTranslate& form);
    ~HearItCommand() override;

    void cmdHearIt_Click();
    void txtHearIt_GotFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmTranslate& m_form;
};
