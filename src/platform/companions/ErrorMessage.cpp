#include "platform/companions/ErrorMessage.h"

#include "platform/ui/MessageBox.h"

int ErrorMessage(const std::string& text, CWnd* parent, UINT style) { return MessageBox(parent, text, "Error", style); }
