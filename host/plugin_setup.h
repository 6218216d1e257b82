// Putting a hosted plug-in into the state a command asks for: a factory program, single
// parameters by name.
#pragma once

#include <string>

class HostedPlugin;
struct FactoryProgram;
struct FileRecord;

// which is a program number (0 to 32) or a factory program's name.
const FactoryProgram* findFactoryProgram(const std::string& which);

// A factory program as a file record: its name and twelve values (the spare slots at 0).
FileRecord factoryFileRecord(const FactoryProgram& program);

// Sets all twelve parameters as the record holds them.
void loadFileRecord(HostedPlugin& plugin, const FileRecord& record);
void loadFactoryProgram(HostedPlugin& plugin, const FactoryProgram& program);

// assignment is NAME=VALUE with a parameter name as the plug-in reports it and a normalised value.
bool setNamedParameter(HostedPlugin& plugin, const std::string& assignment, std::string& error);
