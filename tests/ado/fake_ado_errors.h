#pragma once
// An Errors collection as a provider fills it, for driving the failure text without a provider.
#include <string>
#include <vector>

#include "app/ado_interfaces.h"

// A collection holding one error per description; with countFails its Count call fails.
// The caller owns one reference.
ado::IAdoErrors* NewFakeAdoErrors(std::vector<std::wstring> descriptions, bool countFails = false);

// A COM error information object as a failing call leaves it, with the given description.
// The caller owns one reference.
IErrorInfo* NewErrorInfo(const std::wstring& description);
