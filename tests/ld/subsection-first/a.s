; a subsection numbered below 0 comes before subsection 0: the section
; symbol still stands for the start of .data
        .data
        .subsection -1
        .byte 0xff
        .data 0
x:      .long 5
        .text
main:   rdl x
        complete
