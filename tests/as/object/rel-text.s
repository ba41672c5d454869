; one V word that names an undefined symbol gets one 32-bit relocation
        .text
p:
        getl 5
        jmp ext
        complete
