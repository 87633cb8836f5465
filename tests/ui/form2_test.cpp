// GUI tests: to come.
