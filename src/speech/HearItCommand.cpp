#include "speech/HearItCommand.h"

#include "ui/frmTranslate.h"

HearItCommand::HearItCommand(frmTranslate& form) : m_form(form) {}

HearItCommand::~HearItCommand() = default;

void HearItCommand::cmdHearIt_Click() {}
