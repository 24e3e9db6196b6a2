EnableASM
  MOV eax, 1
  mov ebx, [esp+4]
  push eax
  Pop Ebx
  ret
  nop ; padding
!  lea edx, [rcx*2] ; passed straight to the assembler
!push ebp
DisableASM
Procedure Fast(a.l)
  ! mov eax, dword [p.v_a]
  !ret 4
EndProcedure
mov = 1
mov.l = 2
ret(5)
push
x = 3 ! 5
And eax, ebx
