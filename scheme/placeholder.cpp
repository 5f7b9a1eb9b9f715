// replaced by the scheme
