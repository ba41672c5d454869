; a mergeable string section without contents, of nearly 4 GiB
        .section .strings, "aMS", @nobits, 1
        .skip 0xf8000000
