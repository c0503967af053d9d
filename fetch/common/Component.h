// The component as the three programs make it: the stand-in's small settings dialog is a
// message box.
#pragma once
#include <memory>
#include <string>

#include "fetch/jvlink/JVLink.h"

namespace fetch {

// Shows the component's dialog text in a message box.
void ShowComponentDialog(const std::string& text);

// The component of a program's run (jvlink::MakeJVLink with that dialog).
std::unique_ptr<jvlink::JVLink> MakeComponent();

}  // namespace fetch
