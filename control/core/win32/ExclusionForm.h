// "Quorvel - exclusions": edits the programs in which the hooks pass
// everything on (add the program under the pointer by dragging the cross
// onto it, or type its file name; remove) and the full-screen pause. OK
// stores and hands over the change, Cancel forgets it.
#pragma once

#include <string>
#include <vector>

#include "control/core/EverydayControl.h"
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
    void Add(const std::string& typedOrPath);
    void RemoveSelected();
    void CommandOK_Click();
    bool OverPickLabel(LPARAM clientPoint) const;
    void FinishPick();

    EverydayControl& control_;
    std::vector<std::string> programs_;
    bool picking_ = false;
};

// The executable's full path of the program that owns the window (empty
// when it cannot be read, e.g. a process of another user).
std::string ProgramPathOfWindow(HWND window);

}  // namespace quorvel
