// The framework's root class and its run-time class records. A class that
// wants its name known at run time declares DECLARE_DYNAMIC (or
// DECLARE_DYNCREATE, which adds creation by class record) in its body and the
// matching IMPLEMENT_ macro in one source file.
#pragma once

#include "platform/base/win_types.h"

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;
    CObject* (*m_pfnCreateObject)();  // null unless the class is dynamically creatable

    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    // A new object of this class, or null when the class cannot be created by
    // its record.
    CObject* CreateObject() const;
};

class CObject {
public:
    static const CRuntimeClass classCObject;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)               \
public:                                           \
    static const CRuntimeClass class##class_name; \
    const CRuntimeClass* GetRuntimeClass() const override

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name);      \
    static CObject* CreateObject()

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    const CRuntimeClass class_name::class##class_name = {#class_name,                              \
                                                         RUNTIME_CLASS(base_class_name), nullptr}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const {                                     \
        return RUNTIME_CLASS(class_name);                                                          \
    }

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                         \
    CObject* class_name::CreateObject() {                                        \
        return new class_name;                                                   \
    }                                                                            \
    const CRuntimeClass class_name::class##class_name = {                        \
        #class_name, RUNTIME_CLASS(base_class_name), &class_name::CreateObject}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const {                   \
        return RUNTIME_CLASS(class_name);                                        \
    }
