#pragma once

namespace ui {

class PropertyTable;

// Anything whose published properties can be read and written by name: components, and the
// objects they own (fonts, string lists, collections and their items).
class Persistent {
public:
    virtual ~Persistent() = default;
    virtual const PropertyTable& Properties() const = 0;
    virtual const char* ClassName() const = 0;
};

}  // namespace ui

// Declares the class's property table and its class name for the form loader.
#define UI_PUBLISHED(Class, Name)                                                        \
public:                                                                                  \
    static const ::ui::PropertyTable& ClassProperties();                                 \
    const ::ui::PropertyTable& Properties() const override { return ClassProperties(); } \
    const char* ClassName() const override { return Name; }
