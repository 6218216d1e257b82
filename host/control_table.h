// Programs printed as a table: number, name and the five controls as the plug-in displays them.
#pragma once

#include <string>

class HostedPlugin;

void printControlHeader(HostedPlugin& plugin, bool withControls);
// Prints the plug-in's current control displays after the number and name.
void printControlRow(HostedPlugin& plugin, int number, const std::string& name, bool withControls);
