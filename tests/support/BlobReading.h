#pragma once
// Reading property blobs back in tests: each class's entry order, and the
// entries as names and as a name-to-value map.
#include <map>
#include <string_view>
#include <vector>

#include "core/PropertyBlob.h"

namespace blobtest {

using fw::PropertyEntry;
using fw::PropertyValue;
using fw::String;

using Names = std::vector<std::string_view>;
using Values = std::map<String, PropertyValue>;

inline const Names kWindowOrder{"Placement",  "Width",        "Height",         "MinWidth",
                                "MinHeight",  "MaxWidth",     "MaxHeight",      "Frame",
                                "Composite",  "HasBackColor", "BackColor",      "Title",
                                "Visible",    "FullScreen",   "MenuBarVisible", "CloseButton",
                                "Resizeable", "LiveResize",   "MaximizeButton", "MinimizeButton",
                                "MacProcID"};
inline const Names kStaticTextOrder{
    "Name",          "Index",          "Left",      "Top",          "Width",
    "Height",        "LockLeft",       "LockTop",   "LockRight",    "LockBottom",
    "TabPanelIndex", "TabIndex",       "Text",      "TextAlign",    "TextColor",
    "Multiline",     "Enabled",        "Visible",   "Selectable",   "Transparent",
    "HelpTag",       "AutoDeactivate", "TextFont",  "Bold",         "Italic",
    "Underline",     "DataSource",     "DataField", "InitialParent"};
inline const Names kTextFieldOrder{
    "Name",         "Index",     "Left",       "Top",          "Width",          "Height",
    "LockLeft",     "LockTop",   "LockRight",  "LockBottom",   "TabPanelIndex",  "TabIndex",
    "TabStop",      "Border",    "Password",   "UseFocusRing", "TextColor",      "BackColor",
    "Enabled",      "Format",    "Visible",    "HelpTag",      "AutoDeactivate", "TextFont",
    "Bold",         "Italic",    "Underline",  "CueText",      "Text",           "Mask",
    "ReadOnly",     "LimitText", "AcceptTabs", "Alignment",    "DataSource",     "DataField",
    "InitialParent"};
inline const Names kPushButtonOrder{
    "Name",    "Index",     "Left",       "Top",           "Width",    "Height",         "LockLeft",
    "LockTop", "LockRight", "LockBottom", "TabPanelIndex", "TabIndex", "TabStop",        "Caption",
    "Default", "Cancel",    "Enabled",    "Visible",       "HelpTag",  "AutoDeactivate", "TextFont",
    "Bold",    "Italic",    "Underline",  "InitialParent"};
inline const Names kCanvasOrder{
    "Name",           "Index",           "Left",         "Top",         "Width",
    "Height",         "LockLeft",        "LockTop",      "LockRight",   "LockBottom",
    "TabPanelIndex",  "TabIndex",        "TabStop",      "Visible",     "HelpTag",
    "AutoDeactivate", "Enabled",         "UseFocusRing", "AcceptFocus", "AcceptTabs",
    "DoubleBuffer",   "EraseBackground", "InitialParent"};

inline PropertyValue Text(std::string_view text) {
  return String(text);
}

inline Names NamesOf(const std::vector<PropertyEntry>& entries) {
  Names names;
  for (const PropertyEntry& e : entries) {
    names.push_back(e.name);
  }
  return names;
}

inline Values ValuesOf(const std::vector<PropertyEntry>& entries) {
  Values values;
  for (const PropertyEntry& e : entries) {
    values[e.name] = e.value;
  }
  return values;
}

}  // namespace blobtest
