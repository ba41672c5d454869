; sections that each fit but together pass the 4 GiB of an object; .bss
; takes no room in the file
        .bss
        .skip 0xc0000000
        .data
        .skip 0x80000000
        .section .other, "a"
        .skip 0x80000000
