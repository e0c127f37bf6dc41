#pragma once

// The problem-report mails, composed in the current language and opened in the user's mail
// program. Each returns the mail call's result (0 for success; always 0 when not
// synchronous).
namespace app {

unsigned long ComposeBugReport(bool synchronous);
unsigned long ComposeUninstallFeedback(bool synchronous);
unsigned long ComposeTellAFriend(bool synchronous);

}  // namespace app
