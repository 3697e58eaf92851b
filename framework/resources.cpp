// The resource table (see resources.h). Function-local tables, so that resource modules may
// register during static initialisation in any order.
#include "framework/resources.h"

#include <map>

namespace framework {
namespace {

std::map<UINT, const DialogTemplate*>& DialogTemplates() {
    static std::map<UINT, const DialogTemplate*> templates;
    return templates;
}

std::map<UINT, std::span<const unsigned char>>& IconGroups() {
    static std::map<UINT, std::span<const unsigned char>> groups;
    return groups;
}

const VersionInfo*& Version() {
    static const VersionInfo* version = nullptr;
    return version;
}

} // namespace

void RegisterDialogTemplate(UINT id, const DialogTemplate& dialog) {
    DialogTemplates()[id] = &dialog;
}

void RegisterIconGroup(UINT id, std::span<const unsigned char> icoFile) {
    IconGroups()[id] = icoFile;
}

void RegisterVersionInfo(const VersionInfo& version) {
    Version() = &version;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
    const auto found = DialogTemplates().find(id);
    return found == DialogTemplates().end() ? nullptr : found->second;
}

std::span<const unsigned char> FindIconGroup(UINT id) {
    const auto found = IconGroups().find(id);
    return found == IconGroups().end() ? std::span<const unsigned char>() : found->second;
}

const VersionInfo* FindVersionInfo() {
    return Version();
}

} // namespace framework
