#include "RecordNamespace.h"

#include <aclapi.h>
#include <sddl.h>

#include <vector>

#include "hooklib/core/RecordSecurity.h"

namespace quorvel {
namespace {

// A SID as text; "" when it cannot be read.
std::string SidText(PSID sid) {
    char* text = nullptr;
    if (!sid || !IsValidSid(sid) || !ConvertSidToStringSidA(sid, &text)) return std::string();
    const OwnedLocal owned(text);
    return std::string(text);
}

// The SIDs of this process's token, as text.
TokenFacts ReadTokenFacts() {
    TokenFacts facts;
    OwnedHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Out())) return facts;
    alignas(8) BYTE buffer[512];
    DWORD size = 0;
    if (GetTokenInformation(token.Get(), TokenUser, buffer, sizeof buffer, &size)) {
        facts.user = SidText(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid);
    }
    if (GetTokenInformation(token.Get(), TokenOwner, buffer, sizeof buffer, &size)) {
        facts.defaultOwner = SidText(reinterpret_cast<TOKEN_OWNER*>(buffer)->Owner);
    }
    if (GetTokenInformation(token.Get(), TokenIntegrityLevel, buffer, sizeof buffer, &size)) {
        facts.level = SidText(reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer)->Label.Sid);
    }
    return facts;
}

// A security descriptor from its text form; empty when it cannot be made.
OwnedLocal Descriptor(const std::string& sddl) {
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (sddl.empty() ||
        !ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl.c_str(), SDDL_REVISION_1, &sd, nullptr)) {
        return OwnedLocal();
    }
    return OwnedLocal(sd);
}

// A SID from its text form, owned.
OwnedLocal Sid(const std::string& text) {
    PSID sid = nullptr;
    if (text.empty() || !ConvertStringSidToSidA(text.c_str(), &sid)) return OwnedLocal();
    return OwnedLocal(sid);
}

// ---- the namespace

enum class Where { Undecided, Private, Session, Closed };
Where g_where = Where::Undecided;
HANDLE g_namespace = nullptr;

using CreateBoundaryFn = HANDLE(WINAPI*)(LPCWSTR, ULONG);
using AddToBoundaryFn = BOOL(WINAPI*)(HANDLE*, PSID);
using DeleteBoundaryFn = VOID(WINAPI*)(HANDLE);
using CreateNamespaceFn = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, LPVOID, LPCWSTR);
using OpenNamespaceFn = HANDLE(WINAPI*)(LPVOID, LPCWSTR);
using CloseNamespaceFn = BOOLEAN(WINAPI*)(HANDLE, ULONG);

template <typename Function>
Function Kernel32(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

std::wstring Wide(const char* text) {
    std::wstring wide;
    for (; *text; ++text) wide += static_cast<wchar_t>(*text);  // ASCII names
    return wide;
}

// Creates the private namespace, or opens it when another process of the
// user made it first. Private when it worked; Session where the system has
// no private namespaces (the functions are missing or do nothing, as in
// Wine); Closed when Windows refuses it (a program below medium level).
Where DecideNamespace() {
    const auto createBoundary = Kernel32<CreateBoundaryFn>("CreateBoundaryDescriptorW");
    const auto addSid = Kernel32<AddToBoundaryFn>("AddSIDToBoundaryDescriptor");
    const auto addLabel = Kernel32<AddToBoundaryFn>("AddIntegrityLabelToBoundaryDescriptor");
    const auto deleteBoundary = Kernel32<DeleteBoundaryFn>("DeleteBoundaryDescriptor");
    const auto createNamespace = Kernel32<CreateNamespaceFn>("CreatePrivateNamespaceW");
    const auto openNamespace = Kernel32<OpenNamespaceFn>("OpenPrivateNamespaceW");
    if (!createBoundary || !addSid || !addLabel || !deleteBoundary || !createNamespace || !openNamespace) {
        return Where::Session;
    }
    HANDLE boundary = createBoundary(Wide(RECORD_NAMESPACE_BOUNDARY).c_str(), 0);
    if (!boundary) return Where::Session;
    const OwnedLocal user = Sid(ReadTokenFacts().user);
    const OwnedLocal medium = Sid(MEDIUM_LEVEL_SID);
    Where where = Where::Closed;
    if (user && medium && addSid(&boundary, user.Get()) && addLabel(&boundary, medium.Get())) {
        RecordProtection protection;
        const std::wstring alias = Wide(RECORD_NAMESPACE_ALIAS);
        // Twice: the process that made it may close it between our two calls.
        for (int attempt = 0; attempt < 2 && !g_namespace; ++attempt) {
            g_namespace = createNamespace(protection.Attributes(), boundary, alias.c_str());
            if (!g_namespace && GetLastError() == ERROR_ALREADY_EXISTS) {
                g_namespace = openNamespace(boundary, alias.c_str());
            }
        }
        if (g_namespace) where = Where::Private;
    }
    deleteBoundary(boundary);
    return where;
}

}  // namespace

RecordProtection::RecordProtection() {
    // The user alone, at the medium level; without the label where the
    // system knows no integrity levels.
    const TokenFacts facts = ReadTokenFacts();
    if (!facts.level.empty()) descriptor_ = Descriptor(RecordDescriptorText(facts));
    if (!descriptor_) descriptor_ = Descriptor(RecordDescriptorText(facts, false));
    attributes_ = SECURITY_ATTRIBUTES{sizeof attributes_, descriptor_.Get(), FALSE};
}

std::string RecordObjectFullName(const char* name) {
    if (g_where == Where::Undecided) g_where = DecideNamespace();
    if (g_where == Where::Closed) return std::string();
    return RecordObjectName(g_where == Where::Private, name);
}

bool IsOurRecordObject(HANDLE object) {
    PSID owner = nullptr;
    PACL dacl = nullptr;
    PACL sacl = nullptr;
    PSECURITY_DESCRIPTOR sd = nullptr;
    ObjectSecurity facts;
    const DWORD what = OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION | LABEL_SECURITY_INFORMATION;
    if (GetSecurityInfo(object, SE_KERNEL_OBJECT, what, &owner, nullptr, &dacl, &sacl, &sd) != ERROR_SUCCESS) {
        return false;
    }
    const OwnedLocal descriptor(sd);  // the pointers above point into it
    facts.readable = true;
    facts.owner = SidText(owner);
    facts.hasDacl = dacl != nullptr;
    for (DWORD i = 0; dacl && i < dacl->AceCount; ++i) {
        ACE_HEADER* ace = nullptr;
        if (!GetAce(dacl, i, reinterpret_cast<void**>(&ace))) return false;
        const bool allow = ace->AceType == ACCESS_ALLOWED_ACE_TYPE;
        facts.rules.push_back({allow, allow ? SidText(&reinterpret_cast<ACCESS_ALLOWED_ACE*>(ace)->SidStart) : ""});
    }
    for (DWORD i = 0; sacl && i < sacl->AceCount; ++i) {
        ACE_HEADER* ace = nullptr;
        if (!GetAce(sacl, i, reinterpret_cast<void**>(&ace))) return false;
        if (ace->AceType != SYSTEM_MANDATORY_LABEL_ACE_TYPE) continue;
        const auto* label = reinterpret_cast<SYSTEM_MANDATORY_LABEL_ACE*>(ace);
        facts.labels.push_back({SidText(const_cast<DWORD*>(&label->SidStart)), label->Mask});
    }
    return IsOurRecordSecurity(facts, ReadTokenFacts().user);
}

bool ViewIsUsableHere(const void* view, size_t needed) {
    std::vector<ViewRegion> regions;
    const char* at = static_cast<const char*>(view);
    const char* end = at + needed;
    while (at < end) {
        MEMORY_BASIC_INFORMATION info{};
        if (VirtualQuery(at, &info, sizeof info) != sizeof info) return false;
        const char* regionEnd = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
        if (regionEnd <= at) return false;
        const bool writable = (info.Protect & PAGE_READWRITE) != 0 && (info.Protect & PAGE_GUARD) == 0;
        regions.push_back({static_cast<size_t>(regionEnd - at), info.State == MEM_COMMIT, writable});
        at = regionEnd;
    }
    return ViewIsUsable(regions, needed);
}

void CloseRecordNamespace() {
    if (g_namespace) {
        if (const auto close = Kernel32<CloseNamespaceFn>("ClosePrivateNamespace")) close(g_namespace, 0);
    }
    g_namespace = nullptr;
    g_where = Where::Undecided;
}

}  // namespace quorvel
