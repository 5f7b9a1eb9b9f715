// replaced by IniStore
