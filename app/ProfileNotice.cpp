#include "ProfileNotice.h"

#include "DialogTemplate.h"
#include "Profile.h"
#include "Prompts.h"
#include "StringIds.h"

#include <QTimer>
#include <QWidget>

namespace {

bool said = false;

} // namespace

void NoteProfileWrite(QWidget* owner, bool written)
{
    if (written)
        said = false;
    if (written || said)
        return;
    said = true;
    // Once the key or click that wrote has been handled, not from within its
    // handling (the address field's, at every key).
    QTimer::singleShot(0, owner, [owner] {
        ShowPrompt(owner,
                   {LoadResourceString(IDS_PROFILE_NOT_WRITTEN).arg(ProfileLocation()),
                    LoadResourceString(IDS_PROFILE_FAILED_CAPTION), PromptIcon::Exclamation});
    });
}
