#pragma once
#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace system {
namespace win {

// Holds one library loaded at run time; callers resolve its entry points themselves.
class DllLocater : public base::IObject, public thread::IPoolable {
public:
    DllLocater();
    // Loads the library; the module stays null when that fails (GetLastError tells why).
    explicit DllLocater(const wchar_t* name);
    ~DllLocater() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Frees the library when one is held.
    void Reset() override;

    static thread::EasyPooler* GetPool();
    static DllLocater* New();

    // Loads the library in place of one held. When it cannot be loaded the user is told
    // "Failed to Load <shownName>!!\n" and "Error Code - " with the system's error number through
    // the failure box, and the result is false.
    bool LoadOrTell(const wchar_t* name, const wchar_t* shownName);

    HMODULE module;

private:
    DllLocater(const DllLocater&) = delete;
    DllLocater& operator=(const DllLocater&) = delete;
};

// Runs an init callback once at construction and its de-init at destruction when init succeeded.
class Initializer : public base::IObject, public thread::IPoolable {
public:
    typedef bool (*InitCallback)(uintptr_t* context);
    typedef void (*DeinitCallback)(uintptr_t* context);

    Initializer();
    Initializer(InitCallback init, DeinitCallback deinit);
    ~Initializer() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    static thread::EasyPooler* GetPool();

    bool initialized;
    uintptr_t context;

private:
    Initializer(const Initializer&) = delete;
    Initializer& operator=(const Initializer&) = delete;

    InitCallback init_;
    DeinitCallback deinit_;
};

} // namespace win
} // namespace system
} // namespace s
