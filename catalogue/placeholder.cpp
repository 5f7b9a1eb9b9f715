// replaced by the field tables
