#include "fakes/FakeRegistry.h"

#include "base/CaseFold.h"

namespace fakes {
namespace {

std::vector<std::u16string> SplitPath(std::u16string_view path) {
    std::vector<std::u16string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t slash = path.find(u'\\', start);
        if (slash == std::u16string_view::npos) {
            slash = path.size();
        }
        if (slash > start) {
            parts.emplace_back(path.substr(start, slash - start));
        }
        start = slash + 1;
    }
    return parts;
}

// Key and value names ignore the case of every letter, as the registry's do, so that a test sees
// "Äpfel" and "äpfel" name one key.
std::u16string Upper(std::u16string_view text) {
    return base::FoldCase(text);
}

bool IsUnder(std::u16string_view path, std::u16string_view prefix) {
    std::u16string p = Upper(path);
    std::u16string q = Upper(prefix);
    return p == q || (p.size() > q.size() && p.compare(0, q.size(), q) == 0 && p[q.size()] == u'\\');
}

} // namespace

FakeRegistry::Key* FakeRegistry::Find(uint32_t root, std::u16string_view path) {
    Key* key = &m_roots[root];
    for (const auto& part : SplitPath(path)) {
        auto it = key->children.find(Upper(part));
        if (it == key->children.end()) {
            return nullptr;
        }
        key = it->second.get();
    }
    return key;
}

FakeRegistry::Key* FakeRegistry::Create(uint32_t root, std::u16string_view path) {
    Key* key = &m_roots[root];
    for (const auto& part : SplitPath(path)) {
        auto& slot = key->children[Upper(part)];
        if (!slot) {
            slot = std::make_unique<Key>();
            slot->name = part;
        }
        key = slot.get();
    }
    return key;
}

bool FakeRegistry::ReadDenied(uint32_t root, std::u16string_view path) const {
    for (const auto& [r, denied] : m_denied) {
        if (r == root && IsUnder(path, denied)) {
            return true;
        }
    }
    return false;
}

long FakeRegistry::WriteFailure(uint32_t root, std::u16string_view path) const {
    for (const auto& [where, code] : m_writeFailures) {
        if (where.first == root && IsUnder(path, where.second)) {
            return code;
        }
    }
    return platform::kErrorSuccess;
}

FakeRegistry::Key* FakeRegistry::OpenForRead(uint32_t root, std::u16string_view path, long& rc) {
    ++keyOpens[std::u16string(path)];
    if (ReadDenied(root, path)) {
        rc = platform::kErrorAccessDenied;
        return nullptr;
    }
    Key* key = Find(root, path);
    rc = key != nullptr ? platform::kErrorSuccess : platform::kErrorFileNotFound;
    return key;
}

long FakeRegistry::ReadValue(uint32_t root, std::u16string_view key, std::u16string_view name,
                             platform::RegValue& out) {
    ++readCount;
    long rc = platform::kErrorSuccess;
    Key* k = OpenForRead(root, key, rc);
    if (k == nullptr) {
        return rc;
    }
    for (const auto& [n, v] : k->values) {
        if (base::EqualsNoCase(n, name)) {
            out = v;
            return platform::kErrorSuccess;
        }
    }
    return platform::kErrorFileNotFound;
}

long FakeRegistry::EnumSubKey(uint32_t root, std::u16string_view key, uint32_t index, std::u16string& name) {
    long rc = platform::kErrorSuccess;
    Key* k = OpenForRead(root, key, rc);
    if (k == nullptr) {
        return rc;
    }
    if (index >= k->children.size()) {
        return platform::kErrorNoMoreItems;
    }
    auto it = k->children.begin();
    std::advance(it, index);
    name = it->second->name;
    return platform::kErrorSuccess;
}

long FakeRegistry::EnumValue(uint32_t root, std::u16string_view key, uint32_t index, std::u16string& name,
                             platform::RegValue* value) {
    long rc = platform::kErrorSuccess;
    Key* k = OpenForRead(root, key, rc);
    if (k == nullptr) {
        return rc;
    }
    if (index >= k->values.size()) {
        return platform::kErrorNoMoreItems;
    }
    name = k->values[index].first;
    if (value != nullptr) {
        *value = k->values[index].second;
    }
    return platform::kErrorSuccess;
}

long FakeRegistry::EnumSubKeys(uint32_t root, std::u16string_view key, std::vector<std::u16string>& out) {
    out.clear();
    long rc = platform::kErrorSuccess;
    Key* k = OpenForRead(root, key, rc);
    if (k == nullptr) {
        return rc;
    }
    for (const auto& child : k->children) {
        out.push_back(child.second->name);
    }
    return platform::kErrorSuccess;
}

long FakeRegistry::ReadValues(uint32_t root, std::u16string_view key, platform::RegValues& out) {
    out.clear();
    long rc = platform::kErrorSuccess;
    Key* k = OpenForRead(root, key, rc);
    if (k == nullptr) {
        return rc;
    }
    out = k->values;
    return platform::kErrorSuccess;
}

long FakeRegistry::WriteValue(uint32_t root, std::u16string_view key, std::u16string_view name,
                              const platform::RegValue& value) {
    if (long rc = WriteFailure(root, key); rc != platform::kErrorSuccess) {
        return rc;
    }
    Key* k = Create(root, key);
    for (auto& [n, v] : k->values) {
        if (base::EqualsNoCase(n, name)) {
            v = value;
            return platform::kErrorSuccess;
        }
    }
    k->values.emplace_back(std::u16string(name), value);
    return platform::kErrorSuccess;
}

long FakeRegistry::CreateKey(uint32_t root, std::u16string_view key) {
    if (long rc = WriteFailure(root, key); rc != platform::kErrorSuccess) {
        return rc;
    }
    Create(root, key);
    return platform::kErrorSuccess;
}

long FakeRegistry::DeleteValue(uint32_t root, std::u16string_view key, std::u16string_view name) {
    if (long rc = WriteFailure(root, key); rc != platform::kErrorSuccess) {
        return rc;
    }
    Key* k = Find(root, key);
    if (k == nullptr) {
        return platform::kErrorFileNotFound;
    }
    for (auto it = k->values.begin(); it != k->values.end(); ++it) {
        if (base::EqualsNoCase(it->first, name)) {
            k->values.erase(it);
            return platform::kErrorSuccess;
        }
    }
    return platform::kErrorFileNotFound;
}

long FakeRegistry::DeleteKeyTree(uint32_t root, std::u16string_view key) {
    if (long rc = WriteFailure(root, key); rc != platform::kErrorSuccess) {
        return rc;
    }
    auto parts = SplitPath(key);
    if (parts.empty()) {
        return platform::kErrorInvalidParameter;
    }
    std::u16string leaf = parts.back();
    parts.pop_back();
    Key* parent = &m_roots[root];
    for (const auto& part : parts) {
        auto it = parent->children.find(Upper(part));
        if (it == parent->children.end()) {
            return platform::kErrorFileNotFound;
        }
        parent = it->second.get();
    }
    return parent->children.erase(Upper(leaf)) > 0 ? platform::kErrorSuccess : platform::kErrorFileNotFound;
}

bool FakeRegistry::KeyExists(uint32_t root, std::u16string_view key) {
    ++keyOpens[std::u16string(key)];
    return Find(root, key) != nullptr;
}

void FakeRegistry::DenyRead(uint32_t root, std::u16string_view key) {
    m_denied.emplace(root, std::u16string(key));
}

void FakeRegistry::AllowRead(uint32_t root, std::u16string_view key) {
    m_denied.erase({root, std::u16string(key)});
}

void FakeRegistry::FailWrites(uint32_t root, std::u16string_view key, long code) {
    m_writeFailures[{root, std::u16string(key)}] = code;
}

size_t FakeRegistry::ValueCount(uint32_t root, std::u16string_view key) {
    Key* k = Find(root, key);
    return k ? k->values.size() : 0;
}

} // namespace fakes
