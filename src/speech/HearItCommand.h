#pragma once

class frmTranslate;

// The Hear It command of the main window.
class HearItCommand {
public:
    explicit HearItCommand(frmTranslate& form);
    ~HearItCommand();

    void cmdHearIt_Click();

private:
    frmTranslate& m_form;
};
