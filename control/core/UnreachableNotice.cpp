#include "UnreachableNotice.h"

namespace quorvel {

std::string UnreachableNoticeText() {
    return "Quorvel's mouse shortcuts do not work in the window you just used: it belongs to a program "
           "running with administrator rights, and Windows does not let a normal program act on it. "
           "Smart Move, Cursor Go Away and the wheel do not work there either. "
           "Everywhere else Quorvel goes on working. To use it in such programs too, choose \"Restart with "
           "administrator rights\" in the menu of Quorvel's icon and confirm Windows' question: Quorvel then "
           "works in them and in all your other programs alike until you stop it or log off.";
}

}  // namespace quorvel
