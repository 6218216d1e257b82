// Putting a hosted plug-in into the state a command asks for: a program of the factory bank or
// of a bank file, single parameters by name.
#pragma once

#include <string>
#include <vector>

class HostedPlugin;
struct FileRecord;

// The index of the program which names, by number or by name, or -1 when there is none.
int findProgram(const std::vector<FileRecord>& programs, const std::string& which);

// Sets all twelve parameters as the record holds them.
void loadFileRecord(HostedPlugin& plugin, const FileRecord& record);

// assignment is NAME=VALUE with a parameter name as the plug-in reports it and a normalised value.
bool setNamedParameter(HostedPlugin& plugin, const std::string& assignment, std::string& error);
