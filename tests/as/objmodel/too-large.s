; a section past 4 GiB cannot be laid out
        .bss
        .skip 0xffffffff
        .skip 2
