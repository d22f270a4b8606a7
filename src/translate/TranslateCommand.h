#pragma once

class frmTranslate;

// The Translate command of the main window and the collection of its answer.
class TranslateCommand {
public:
    explicit TranslateCommand(frmTranslate& form);
    ~TranslateCommand();

    void cmdTranslate_Click();

private:
    frmTranslate& m_form;
};
