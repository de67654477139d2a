// "Quorvel - exclusions": edits the programs in which the hooks pass
// everything on (add the program under the pointer by dragging the cross
// onto it, or type its file name; remove), the full-screen pause and the
// browser programs (type a file name; remove; back to the defaults). OK
// stores and hands over the changes, Cancel forgets them.
#pragma once

#include <string>
#include <vector>

#include "control/core/EverydayControl.h"
#include "control/core/ExclusionFormTable.h"
#include "Form.h"

namespace quorvel {

class ExclusionForm : public Form {
public:
    explicit ExclusionForm(EverydayControl& control);

protected:
    void OnLoad() override;
    void OnClick(int control) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // One list of program names with its list box and name box.
    struct ProgramNames {
        int list;
        int name;
        std::vector<std::string> programs;
    };
    void Fill(ProgramNames& names, const std::vector<std::string>& programs);
    void Add(ProgramNames& names, const std::string& typedOrPath);
    void RemoveSelected(ProgramNames& names);
    void TakeTypedName(ProgramNames& names);
    void CommandOK_Click();
    bool OverPickLabel(LPARAM clientPoint) const;
    void FinishPick();

    EverydayControl& control_;
    ProgramNames excluded_{ExclusionList, ExclusionTextName, {}};
    ProgramNames browsers_{ExclusionBrowserList, ExclusionTextBrowserName, {}};
    bool picking_ = false;
};

// The executable's full path of the program that owns the window (empty
// when it cannot be read, e.g. a process of another user).
std::string ProgramPathOfWindow(HWND window);

}  // namespace quorvel
