#include "fetch/common/Component.h"

#include "ui/message_box.h"

namespace fetch {

void ShowComponentDialog(const std::string& text) { ui::ShowMessage(text); }

std::unique_ptr<jvlink::JVLink> MakeComponent() { return jvlink::MakeJVLink(ShowComponentDialog); }

}  // namespace fetch
