#pragma once
// The component tree: an owner frees what it owns; components read their published
// properties from a layout while the owner is loading.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/layout/layout_reader.h"

class TComponent;
using TNotifyEvent = std::function<void(TComponent* sender)>;
using TKeyPressEvent = std::function<void(TComponent* sender, char& key)>;

// What a component needs from its form while reading its properties: the binary data kept
// beside the layout and the form's event handlers, both by name.
class TLayoutContext {
public:
    virtual ~TLayoutContext() = default;
    virtual std::vector<std::uint8_t> Resource(const std::string& name) const = 0;
    virtual TNotifyEvent NotifyHandler(const std::string& name) const = 0;
    virtual TKeyPressEvent KeyPressHandler(const std::string& name) const = 0;
};

// Accessors that refuse a value of the wrong kind with the layout line in the message.
std::int64_t LayoutInteger(const TLayoutProperty& property);
bool LayoutBoolean(const TLayoutProperty& property);
const std::string& LayoutString(const TLayoutProperty& property);  // UTF-8
const std::string& LayoutIdentifier(const TLayoutProperty& property);
const std::vector<std::string>& LayoutStrings(const TLayoutProperty& property);
bool LayoutSetHas(const TLayoutProperty& property, const std::string& member);
[[noreturn]] void LayoutFail(const TLayoutProperty& property, const std::string& what);

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    virtual ~TComponent();

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    void SetName(std::string name) { FName = std::move(name); }
    const std::vector<TComponent*>& Components() const { return FComponents; }
    TComponent* FindComponent(const std::string& name) const;

    bool Loading() const { return FLoading; }
    bool Destroying() const { return FDestroying; }
    void BeginLoading() { FLoading = true; }
    // Called once every property of the layout has been applied.
    virtual void Loaded() { FLoading = false; }

    // Applies one published property read from a layout. Returns false for an unknown name.
    virtual bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context);

protected:
    // Frees the owned components now, last created first (a form does this before its window goes).
    void DestroyComponents();
    void MarkDestroying() { FDestroying = true; }

private:
    TComponent* FOwner;
    std::string FName;
    std::vector<TComponent*> FComponents;
    bool FLoading = false;
    bool FDestroying = false;
};
