// Reading components from form descriptions: classes by name, properties by name, references
// and handlers bound after everything is read, then Loaded on every component.
#pragma once

#include <string_view>

#include "base/form_text.h"
#include "ui/component.h"

// Makes the framework's own classes known to form descriptions (called by the readers).
void RegisterFrameworkClasses();

// Reads a description into root (whose class must match the description's outer object);
// nested objects are created owned by root. Errors raise Exception naming the line.
void ReadComponentText(TComponent* root, std::string_view text);
void ReadComponentTree(TComponent* root, const TFormObject& tree);
// The description stored as an RCDATA resource of the program.
void ReadComponentResource(TComponent* root, const wchar_t* resourceName);

// The published properties of a component (and of its nested owned components) as a tree,
// for storing and comparing.
TFormObject WriteComponentTree(TComponent* root);

// Identifiers that integer properties accept (colour and cursor names).
bool IntegerIdentifier(std::string_view name, std::int64_t& value);
