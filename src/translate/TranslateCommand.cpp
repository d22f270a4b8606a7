#include "translate/TranslateCommand.h"

#include "ui/frmTranslate.h"

TranslateCommand::TranslateCommand(frmTranslate& form) : m_form(form) {}

TranslateCommand::~TranslateCommand() = default;

void TranslateCommand::cmdTranslate_Click() {}
